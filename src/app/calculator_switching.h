#pragma once
// Switching between the nineteen calculators: the activation contract that
// every menu item and tab runs, and the tab change.
#include <array>
#include <functional>
#include <string>

#include "app/bound_controls.h"
#include "app/calculator_id.h"
#include "app/window_part.h"

namespace cq {

class MainWindow;
struct CalculatorInfo;
struct PlaneSelection;

class CalculatorSwitching : public WindowPart {
 public:
  explicit CalculatorSwitching(MainWindow& main);
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void Activate(CalculatorId calculator, Control* sender);
  void TabControl1Change(Control* sender);

 private:
  void showInformationRows(CalculatorId k);
  void applyOptions(const CalculatorInfo& c);
  void showOnlyPage(const CalculatorInfo& c);
  void refillLayerRadio(const CalculatorInfo& c, bool withTemperatureNA);
  const PlaneSelection* ownPlaneSelection(CalculatorId k) const;
  void refillPlaneRadio(CalculatorId k, bool comma);
  void writeProgramSetting(int k);

  MainWindow& main_;
  struct Controls;
  BoundControls<Controls> c_;
  std::string programValue_;
};

}  // namespace cq
