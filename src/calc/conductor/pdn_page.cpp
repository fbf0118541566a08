#include "calc/conductor/pdn_page.h"

#include "app/main_window.h"
#include "calc/conductor/corrected_input.h"
#include "calc/conductor/pdn_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr int kSolverIndex = 12;
}  // namespace

void PdnPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.CheckBox4Click", [this](Control* sender) { CheckBox4Click(sender); });
  main_.registerSolver(kSolverIndex, [this](Control* sender) { SolvePDN(sender); });
}

void PdnPage::attach(Form& form) {
  units_ = &form.radio("RadioGroup6");
  er_ = &form.edit("Edit7");
  volts_ = &form.edit("Edit105");
  ripple_ = &form.edit("Edit107");
  current_ = &form.edit("Edit108");
  transient_ = &form.edit("Edit110");
  impedance_ = &form.edit("Edit109");
  area_ = &form.edit("Edit228");
  distance_ = &form.edit("Edit229");
  frequency_ = &form.edit("Edit234");
  frequencyUnit_ = &form.edit("Edit233");
  dc_ = &form.checkBox("CheckBox4");
  capacitance_ = &form.edit("Edit230");
  reactanceCaption_ = &form.label("Label295");
  reactance_ = &form.edit("Edit235");
  form.upDown("UpDown4");
  form.upDown("UpDown5");
}

void PdnPage::CheckBox4Click(Control* sender) {
  const bool dc = dc_->checked();
  reactanceCaption_->setVisible(!dc);
  reactance_->setVisible(!dc);
  frequencyUnit_->setVisible(!dc);
  frequency_->setEnabled(!dc);
  frequency_->setText(dc ? "DC" : "1");
  // Ticking only hides the reactance; the frequency it restores solves.
  if (!dc) main_.Button1Click(sender);
}

void PdnPage::SolvePDN(Control* sender) {
  const int unit = units_->itemIndex();
  if (unit != 0 && unit != 1) return;
  const bool metric = unit == 1;
  auto& values = main_.values;

  const double volts = ParseLocaleFloat(volts_->text());
  const double current = ParseLocaleFloat(current_->text());
  // Both percentages are parsed again after their check, so a corrected text
  // counts in this same solve.
  auto& dialogs = main_.app().dialogs();
  const double share = PercentToFraction(ParseCorrected(
      dialogs, *transient_, [](double percent) { return percent <= 0; },
      "Transient current percentage can't be <= 0", "1"));
  const double ripple = PercentToFraction(ParseCorrected(
      dialogs, *ripple_, [](double percent) { return percent < 0; }, "Maximum AC ripple percentage can't be < 0",
      "0"));
  impedance_->setText(main_.localize(Format("%.4f Ohms", PdnTargetImpedance(volts, ripple, current, share))));

  values.SubstrateEr = ParseLocaleFloat(er_->text());
  if (values.SubstrateEr < 1) {
    main_.app().dialogs().showInfo("Minimum dielectric constant value can't be less than 1");
    er_->setText("1");
    // The full solve parses Er 1; this one finishes with the value it left.
    main_.Button1Click(sender);
  }

  const double area = ParseLocaleFloat(area_->text());
  const double distance = ParseLocaleFloat(distance_->text());
  const double pf = metric ? PlaneCapacitanceMetric(values.SubstrateEr, area, distance)
                           : PlaneCapacitanceImperial(values.SubstrateEr, area, MilsToInches(distance));
  capacitance_->setText(main_.localize(Format("%.2f pF", pf)));

  // With "DC" ticked the frequency field reads "DC" and is never parsed.
  if (dc_->checked()) return;
  const double xc = PlaneReactance(ParseLocaleFloat(frequency_->text()), pf);
  reactance_->setText(main_.localize(Format("%.4f Ohms", xc)));
}

}  // namespace cq
