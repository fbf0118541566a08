#pragma once
// The Thermal Management page (calculator 15, GroupBox27): the junction
// temperatures of a device on the board and on a heat sink.
#include "app/calculator_page.h"

namespace cq {

class MainWindow;
class Temperatures;

class ThermalManagementPage : public CalculatorPage {
 public:
  ThermalManagementPage(PageContext context, Temperatures& temperatures) : CalculatorPage(context), main_(context.main()), temperatures_(temperatures) {}
  CalculatorId id() const override { return CalculatorId::ThermalManagement; }
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  void attach(Form& form) override;

  // Both unit systems compute the same: the page has no length.
  void SolveThermalManagement();

 private:
  // Parses resistance and power, then writes their junction temperature.
  void writeJunctionTemperature(const Edit& resistance, const Edit& power, Edit& result);

  MainWindow& main_;
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
