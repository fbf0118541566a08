#pragma once
// SolveViaProperties: the input checks of the via page, the pre-solve steps
// again, the reads both layouts share, then the single-via figures or the
// differential pair's solve.
#include "app/bound_controls.h"
#include "app/page_context.h"
#include "app/program_options_controls.h"

namespace cq {

class DifferentialViaSolver;
class Temperatures;
struct ViaControls;
enum class ViaField;

// A part of the via page: it reads and writes the page's controls.
class ViaSolver {
 public:
  // differential: the pair's solve, run after the shared steps.
  ViaSolver(PageContext page, Temperatures& temperatures, const BoundControls<ViaControls>& controls,
            DifferentialViaSolver& differential);

  void SolveViaProperties();

 private:
  void runChecks(bool metric, bool singleVia);
  void sharedReads(bool metric);
  void solveSingleVia(bool metric);
  void writeAspectRatio(double ratio, int layerSet);
  void readViaCount();
  Edit& fieldOf(ViaField field);
  double read(const Edit& edit) const;
  // Bound when the Program Options window is built, after this solver.
  const ProgramOptionsControls& options() const;

  PageContext page_;
  Temperatures& temperatures_;
  const BoundControls<ViaControls>& c_;
  DifferentialViaSolver& differential_;
  double boardFactor_ = 0;
  double holeValue_ = 0;
};

}  // namespace cq
