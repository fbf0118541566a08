#pragma once
// SolvePadstack, the solver of the Padstack Calculator (calculator 11):
// checks the inputs of the chosen pad type, corrects them (solving again
// where the correction must count at once) and writes the results.
#include <string>

#include "app/bound_controls.h"
#include "app/page_context.h"
#include "platform/form.h"

namespace cq {

struct InputRule;
struct EndingRule;

class PadstackSolver {
 public:
  explicit PadstackSolver(PageContext page) : page_(page) {}
  void attach(Form& form);

  void SolvePadstack(Control* sender);

 private:
  // A length read in one solve, remembered with the unit system it was read in.
  struct Remembered {
    double value = 0;
    bool metric = false;
  };

  void solveThruHole(Control* sender, bool metric);
  void checkThruHoleHole(Control* sender, bool metric, bool plated);
  void solveConductorPadTh(Control* sender, bool metric, bool two);
  void solveConductorPadBga(Control* sender, bool metric, bool two);
  void solveCornerToCorner(Control* sender, bool metric);

  // Reads a ring or isolation field unless it holds "N/A"; a negative value
  // shows the message, writes "0" and solves again.
  void readRemembered(Control* sender, Edit& field, Remembered& into, bool metric, const char* message);
  // The input checks, the running solve going on after the first, ending
  // on a refusal after the second.
  void check(Control* sender, Edit& field, double value, const InputRule& rule);
  bool ends(Control* sender, Edit& field, double value, const EndingRule& rule);
  void setThermalRowsShown(bool shown);
  // Result text in the decimal mode.
  std::string length(const char* format, double value) const;
  const std::string& decimalMode() const;

  PageContext page_;
  struct Controls;
  BoundControls<Controls> c_;

  // Program-wide between solves, so a nested solve hands its reading back.
  Remembered lastAnnularRing_;
  Remembered lastIsolationWidth_;
  double hole_ = 0;
  double landPitch_ = 0, land_ = 0, landSpacing_ = 0;
  double sideA_ = 0, sideB_ = 0;
};

}  // namespace cq
