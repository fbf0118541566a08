#include "calc/via/mechanical_page.h"

#include "calc/via/wire_gauge_table.h"
#include "platform/format.h"

namespace cq {

namespace {
constexpr double kMilsPerInch = 1000;
constexpr double kMmPerInch = 25.4;
}  // namespace

void MechanicalPage::registerHandlers(HandlerRegistry& /*handlers*/) {
}

void MechanicalPage::solve(Control* /*sender*/) { SolveMechanicalInformation(); }

void MechanicalPage::attach(Form& form) {
  gauge_ = &form.get<ComboBox>("ComboBox3");
  units_ = &form.radio("RadioGroup6");
  diameter_ = &form.edit("Edit41");
  resistance_ = &form.edit("Edit95");
  chassisAmps_ = &form.edit("Edit102");
  powerTxAmps_ = &form.edit("Edit141");
}

void MechanicalPage::SolveMechanicalInformation() {
  const int k = gauge_->itemIndex();
  // The list is fixed, but an index outside it must not read past the table.
  if (k < 0 || k >= kWireGauges) return;
  const WireGauge& row = WireGaugeTable()[static_cast<size_t>(k)];
  const int unit = units_->itemIndex();

  if (unit == 0) {
    // The diameter and the fixed texts keep their point in both decimal modes.
    const double inches = row.inches;
    resistance_->setText(std::string(row.imperialOhms));
    chassisAmps_->setText(std::string(row.imperialAmps));
    diameter_->setText(Format("%0.4f Inches", inches));
    const double amps = PowerTransmissionAmps(inches * kMilsPerInch);
    powerTxAmps_->setText(page().localize(Format("%0.3f Amps", amps)));
  } else if (unit == 1) {
    const double mm = row.millimetres;
    resistance_->setText(MetricOhmsText(row, page().decimalComma()));
    chassisAmps_->setText(std::string(row.metricAmps));
    diameter_->setText(page().localize(Format("%0.4f mm", mm)));
    const double amps = PowerTransmissionAmps(mm / kMmPerInch * kMilsPerInch);
    powerTxAmps_->setText(page().localize(Format("%0.3f Amps", amps)));
  }
}

}  // namespace cq
