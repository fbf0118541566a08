#pragma once
// The Thermal Management page (calculator 15, GroupBox27): the junction
// temperatures of a device on the board and on a heat sink.
#include "app/page_of.h"

namespace cq {

class Temperatures;

class ThermalManagementPage : public PageOf<CalculatorId::ThermalManagement> {
 public:
  ThermalManagementPage(PageContext context, Temperatures& temperatures) : PageOf(context), temperatures_(temperatures) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  void attach(Form& form) override;

  // Both unit systems compute the same: the page has no length.
  void SolveThermalManagement();

 private:
  // Parses resistance and power, then writes their junction temperature.
  void writeJunctionTemperature(const Edit& resistance, const Edit& power, Edit& result);

  Temperatures& temperatures_;
  Label* conductorTempC_ = nullptr;
  Label* conductorTempF_ = nullptr;
  Edit* deviceResistance_ = nullptr;
  Edit* devicePower_ = nullptr;
  Edit* deviceJunction_ = nullptr;
  Edit* sinkResistance_ = nullptr;
  Edit* sinkPower_ = nullptr;
  Edit* sinkJunction_ = nullptr;
};

}  // namespace cq
