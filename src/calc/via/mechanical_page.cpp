#include "calc/via/mechanical_page.h"

#include "platform/unit_factors.h"
#include "calc/via/wire_gauge_table.h"
#include "platform/format.h"

namespace cq {

// Bound once, when the window is built.
struct MechanicalPage::Controls {
  Form& f;
  ComboBox& gauge = f.comboBox("ComboBox3");
  Edit& diameter = f.edit("Edit41");
  Edit& resistance = f.edit("Edit95");
  Edit& chassisAmps = f.edit("Edit102");
  Edit& powerTxAmps = f.edit("Edit141");
};

void MechanicalPage::solve(Control* /*sender*/) { SolveMechanicalInformation(); }

void MechanicalPage::attach(Form& form) { c_.bind(form); }

void MechanicalPage::SolveMechanicalInformation() {
  const int k = c_->gauge.itemIndex();
  // The list is fixed, but an index outside it must not read past the table.
  if (k < 0 || k >= kWireGauges) return;
  const WireGauge& row = WireGaugeTable()[static_cast<size_t>(k)];
  const int unit = page().unitsIndex();

  if (unit == 0) {
    // The diameter and the fixed texts keep their point in both decimal modes.
    const double inches = row.inches;
    c_->resistance.setText(std::string(row.imperialOhms));
    c_->chassisAmps.setText(std::string(row.imperialAmps));
    c_->diameter.setText(Format("%0.4f Inches", inches));
    const double amps = PowerTransmissionAmps(InchesToMils(inches));
    page().show(c_->powerTxAmps, "%0.3f Amps", amps);
  } else if (unit == 1) {
    const double mm = row.millimetres;
    c_->resistance.setText(MetricOhmsText(row, page().decimalComma()));
    c_->chassisAmps.setText(std::string(row.metricAmps));
    page().show(c_->diameter, "%0.4f mm", mm);
    const double amps = PowerTransmissionAmps(MmToMils(mm));
    page().show(c_->powerTxAmps, "%0.3f Amps", amps);
  }
}

}  // namespace cq
