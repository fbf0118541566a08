#pragma once
// The Conductor Properties page (GroupBox5): its activation extras, the
// " Solve For ", parallel-conductor, plane and "DC" handlers, the caption
// swap between width and current, and its solver.
#include <memory>

#include "app/window_part.h"

namespace cq {

class CalculatorSwitching;
class ConductorCrossSection;
class ConductorPropertiesSolver;
class MainWindow;
class Temperatures;

class ConductorPropertiesPage : public WindowPart {
 public:
  ConductorPropertiesPage(MainWindow& main, Temperatures& temperatures, CalculatorSwitching& switching);
  ~ConductorPropertiesPage() override;

  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  // Bound to no event: " Solve For ", the Units switch and the IPC method
  // call it. Always ends in the solve.
  void swap_current_width_labels(Control* sender);

  void RadioGroup8Click(Control* sender);
  void RadioGroup15Click(Control* sender);
  void RadioGroup2Click(Control* sender);
  void CheckBox1Click(Control* sender);

 private:
  struct Controls;
  void activationExtras();

  MainWindow& main_;
  Temperatures& temperatures_;
  CalculatorSwitching& switching_;
  std::unique_ptr<Controls> c_;
  std::unique_ptr<ConductorPropertiesSolver> solver_;
  std::unique_ptr<ConductorCrossSection> crossSection_;
};

}  // namespace cq
