#pragma once
// SolveViaProperties: the input checks of the via page, the pre-solve steps
// again, the reads both layouts share, then the single-via figures. The
// differential layout has its own model; until it is attached the solve
// stops after the shared steps on that layout.
#include <functional>

#include "app/program_options_controls.h"
#include "platform/form.h"

namespace cq {

class MainWindow;
class Temperatures;
enum class ViaField;

class ViaSolver {
 public:
  ViaSolver(MainWindow& main, Temperatures& temperatures);

  void SolveViaProperties();
  // The model of the differential layout, run after the shared steps.
  void setDifferentialModel(std::function<void()> model) { differential_ = std::move(model); }

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
  void write(Edit& field, const std::string& text);
  void write(Label& label, const std::string& text);

  MainWindow& main_;
  Temperatures& temperatures_;
  Form& form_;
  RadioGroup& units_;
  RadioGroup& layerSet_;
  RadioGroup& property_;
  Label& decimalMode_;
  Edit& hole_;
  Edit& pad_;
  Edit& opening_;
  Edit& height_;
  Edit& plating_;
  Edit& er_;
  Edit& viaCount_;
  Edit& crossSection_;
  Edit& current_;
  Edit& capacitance_;
  Edit& inductance_;
  Edit& stepResponse_;
  Edit& resonance_;
  Edit& impedance_;
  Edit& resistance_;
  Edit& power_;
  Label& powerDbm_;
  Label& thermal_;
  Label& thermalCount_;
  Label& voltageDrop_;
  Label& aspectRatio_;
  Label& aspectWarning_;
  double boardFactor_ = 0;
  double holeValue_ = 0;
  std::function<void()> differential_;
};

}  // namespace cq
