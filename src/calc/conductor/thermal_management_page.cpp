#include "calc/conductor/thermal_management_page.h"

#include "app/temperatures.h"
#include "app/working_values.h"
#include "calc/conductor/thermal_management_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

// Bound once, when the window is built.
struct ThermalManagementPage::Controls {
  Form& f;
  Label& conductorTempC = f.label("Label27");
  Label& conductorTempF = f.label("Label28");
  Edit& deviceResistance = f.edit("Edit116");
  Edit& devicePower = f.edit("Edit117");
  Edit& deviceJunction = f.edit("Edit119");
  Edit& sinkResistance = f.edit("Edit121");
  Edit& sinkPower = f.edit("Edit124");
  Edit& sinkJunction = f.edit("Edit123");
};

void ThermalManagementPage::solve(Control* /*sender*/) { SolveThermalManagement(); }

void ThermalManagementPage::attach(Form& form) { c_.bind(form); }

void ThermalManagementPage::writeJunctionTemperature(const Edit& resistance, const Edit& power, Edit& result) {
  const double theta = ParseLocaleFloat(resistance.text());
  const double watts = ParseLocaleFloat(power.text());
  const double junction = JunctionTemperature(watts, theta, page().values().AmbientTemp);
  page().show(result, "%.3f °C", junction);
}

void ThermalManagementPage::SolveThermalManagement() {
  // Read again here: the pre-solve step already bounded it, so a correction
  // it made is in the field and shows no second message.
  temperatures_.ValidateAmbientTemp();
  c_->conductorTempC.setCaption("N/A");
  c_->conductorTempF.setCaption("N/A");
  writeJunctionTemperature(c_->deviceResistance, c_->devicePower, c_->deviceJunction);
  writeJunctionTemperature(c_->sinkResistance, c_->sinkPower, c_->sinkJunction);
}

}  // namespace cq
