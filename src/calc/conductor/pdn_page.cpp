#include "calc/conductor/pdn_page.h"

#include "app/input_check.h"
#include "app/input_messages.h"
#include "app/working_values.h"
#include "calc/conductor/pdn_model.h"
#include "platform/unit_factors.h"
#include "options/units_conversion.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

struct PdnPage::Controls {
  Form& f;
  Edit& er = f.edit("Edit7");
  Edit& volts = f.edit("Edit105");
  Edit& ripple = f.edit("Edit107");
  Edit& current = f.edit("Edit108");
  Edit& transient = f.edit("Edit110");
  Edit& impedance = f.edit("Edit109");
  Edit& area = f.edit("Edit228");
  Edit& distance = f.edit("Edit229");
  Edit& frequency = f.edit("Edit234");
  Edit& frequencyUnit = f.edit("Edit233");
  CheckBox& dc = f.checkBox("CheckBox4");
  Edit& capacitance = f.edit("Edit230");
  Label& reactanceCaption = f.label("Label295");
  Edit& reactance = f.edit("Edit235");
  // The percentage steppers; bound so that a missing one fails at start.
  UpDown& rippleStep = f.upDown("UpDown4");
  UpDown& transientStep = f.upDown("UpDown5");
};

void PdnPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.CheckBox4Click", this, &PdnPage::CheckBox4Click);
}

void PdnPage::attach(Form& form) { c_.bind(form); }

const UnitsPage* PdnPage::unitsTable() const {
  static const UnitsPage table{
      "PDN Calculator",
      {{"Edit231", UnitsProperty::Text, "Sq.In", "Sq.mm"}, {"Edit232", UnitsProperty::Text, "mils", "mm"}},
      {{.name = "Edit228", .kind = UnitsKind::Area}, {.name = "Edit229", .kind = UnitsKind::Length}}};
  return &table;
}

void PdnPage::CheckBox4Click(Control* sender) {
  const bool dc = c_->dc.checked();
  c_->reactanceCaption.setVisible(!dc);
  c_->reactance.setVisible(!dc);
  c_->frequencyUnit.setVisible(!dc);
  c_->frequency.setEnabled(!dc);
  c_->frequency.setText(dc ? "DC" : "1");
  // Ticking only hides the reactance; the frequency it restores solves.
  if (!dc) page().solve(sender);
}

void PdnPage::SolvePDN(Control* sender) {
  if (!page().unitsChosen()) return;
  const bool metric = page().metric();
  auto& values = page().values();

  const double volts = ParseLocaleFloat(c_->volts.text());
  const double current = ParseLocaleFloat(c_->current.text());
  // Both percentages are parsed again after their check, so a corrected text
  // counts in this same solve.
  const double share = PercentToFraction(CheckInput(
      page(), c_->transient,
      {[](double percent) { return percent <= 0; }, "Transient current percentage can't be <= 0", "1"}));
  const double ripple = PercentToFraction(CheckInput(
      page(), c_->ripple, {[](double percent) { return percent < 0; }, "Maximum AC ripple percentage can't be < 0", "0"}));
  page().show(c_->impedance, "%.4f Ohms", PdnTargetImpedance(volts, ripple, current, share));

  // The nested solve parses Er 1; this one finishes with the value it left.
  values.SubstrateEr = ParseLocaleFloat(c_->er.text());
  CheckValue(page(), c_->er, values.SubstrateEr,
             {[](double er) { return er < 1; }, kMinimumErMessage, "1", {}, FollowUp::Resolve}, sender);

  const double area = ParseLocaleFloat(c_->area.text());
  const double distance = ParseLocaleFloat(c_->distance.text());
  const double pf = metric ? PlaneCapacitanceMetric(values.SubstrateEr, area, distance)
                           : PlaneCapacitanceImperial(values.SubstrateEr, area, MilsToInches(distance));
  page().show(c_->capacitance, "%.2f pF", pf);

  // With "DC" ticked the frequency field reads "DC" and is never parsed.
  if (c_->dc.checked()) return;
  const double xc = PlaneReactance(ParseLocaleFloat(c_->frequency.text()), pf);
  page().show(c_->reactance, "%.4f Ohms", xc);
}

}  // namespace cq
