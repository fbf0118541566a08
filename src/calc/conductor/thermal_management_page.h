#pragma once
// The Thermal Management page (calculator 15, GroupBox27): the junction
// temperatures of a device on the board and on a heat sink.
#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class Temperatures;

class ThermalManagementPage : public PageOf<CalculatorId::ThermalManagement> {
 public:
  ThermalManagementPage(PageContext context, Temperatures& temperatures)
      : PageOf(context), temperatures_(temperatures) {}
  void attach(Form& form) override;
  void solve(Control* sender) override;

  // Both unit systems compute the same: the page has no length.
  void SolveThermalManagement();

 private:
  // Parses resistance and power, then writes their junction temperature.
  void writeJunctionTemperature(const Edit& resistance, const Edit& power, Edit& result);

  Temperatures& temperatures_;
  struct Controls;
  BoundControls<Controls> c_;
};

}  // namespace cq
