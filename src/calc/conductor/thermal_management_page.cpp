#include "calc/conductor/thermal_management_page.h"

#include "app/temperatures.h"
#include "app/working_values.h"
#include "calc/conductor/thermal_management_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

void ThermalManagementPage::registerHandlers(HandlerRegistry&) {
}

void ThermalManagementPage::solve(Control* /*sender*/) { SolveThermalManagement(); }

void ThermalManagementPage::attach(Form& form) {
  conductorTempC_ = &form.label("Label27");
  conductorTempF_ = &form.label("Label28");
  deviceResistance_ = &form.edit("Edit116");
  devicePower_ = &form.edit("Edit117");
  deviceJunction_ = &form.edit("Edit119");
  sinkResistance_ = &form.edit("Edit121");
  sinkPower_ = &form.edit("Edit124");
  sinkJunction_ = &form.edit("Edit123");
}

void ThermalManagementPage::writeJunctionTemperature(const Edit& resistance, const Edit& power, Edit& result) {
  const double theta = ParseLocaleFloat(resistance.text());
  const double watts = ParseLocaleFloat(power.text());
  const double junction = JunctionTemperature(watts, theta, page().values().AmbientTemp);
  result.setText(page().localize(Format("%.3f °C", junction)));
}

void ThermalManagementPage::SolveThermalManagement() {
  // Read again here: the pre-solve step already bounded it, so a correction
  // it made is in the field and shows no second message.
  temperatures_.ValidateAmbientTemp();
  conductorTempC_->setCaption("N/A");
  conductorTempF_->setCaption("N/A");
  writeJunctionTemperature(*deviceResistance_, *devicePower_, *deviceJunction_);
  writeJunctionTemperature(*sinkResistance_, *sinkPower_, *sinkJunction_);
}

}  // namespace cq
