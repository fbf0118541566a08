#include "calc/tline/er_effective_page.h"

#include "app/input_check.h"
#include "app/input_messages.h"
#include "app/working_values.h"
#include "calc/conductor/copper_choices.h"
#include "calc/tline/microstrip_dispersion_model.h"
#include "calc/tline/wavelength_page.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

void ErEffectivePage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.Button5Click", [this](Control* sender) { Button5Click(sender); });
}

void ErEffectivePage::solve(Control* sender) { SolveErEffective(sender); }

void ErEffectivePage::attach(Form& form) {
  copper_.emplace(form);
  units_ = &form.radio("RadioGroup6");
  er_ = &form.edit("Edit7");
  totalCopper_ = &form.label("Label56");
  info110_ = &form.label("Label110");
  info285_ = &form.label("Label285");
  viaCount_ = &form.edit("Edit227");
  viaCountStep_ = &form.upDown("UpDown6");
  width_ = &form.edit("Edit25");
  height_ = &form.edit("Edit46");
  frequency_ = &form.edit("Edit224");
  result_ = &form.edit("Edit221");
}

void ErEffectivePage::SolveErEffective(Control*) {
  const int unit = units_->itemIndex();
  if (unit != 0 && unit != 1) return;
  const bool metric = unit == 1;
  auto& v = page().values();

  CopperWeightThickness(CopperSelectionOf(*copper_, page().programOptions()), v.BaseCopperThickness,
                        v.PlatingThickness);
  // A microstrip is an outer conductor, so the plating counts.
  v.TotalCopperThickness = v.PlatingThickness + v.BaseCopperThickness;
  totalCopper_->setCaption(page().localize(metric ? Format("%3.0f um", v.TotalCopperThickness * 1000)
                                                 : Format("%.2f mils", v.TotalCopperThickness)));
  info110_->setCaption("N/A");
  info285_->setCaption("N/A");
  viaCount_->setEnabled(false);
  viaCountStep_->setEnabled(false);

  // The model works in mm whatever the unit system.
  const auto toMm = [metric](double length) { return metric ? length : MilsToModelMm(length); };
  v.ConductorWidth = toMm(ParseLocaleFloat(width_->text()));
  const double t = toMm(v.TotalCopperThickness);

  v.SubstrateEr = ParseLocaleFloat(er_->text());
  // The result keeps the last valid solve; the corrected Er counts from the
  // next one.
  const InputRule erAboveOne{[](double er) { return er <= 1; }, kErAboveOneMessage, "1.001", "1,001", FollowUp::End};
  if (!CheckValue(page(), *er_, v.SubstrateEr, erAboveOne)) return;

  const double h = toMm(ParseLocaleFloat(height_->text()));
  const double ghz = ParseLocaleFloat(frequency_->text()) / 1000;
  const MicrostripDispersion m = MicrostripDispersionModel(v.ConductorWidth, h, t, v.SubstrateEr, ghz);
  result_->setText(page().localize(Format("%.4f", m.eef)));
}

void ErEffectivePage::Button5Click(Control* sender) {
  // The texts as they are: this page is not solved again, so a text on it
  // that is no number stops nothing. The frequency is in MHz; the
  // Wavelength page shows it so before its activation solves.
  wavelength_.receiveFromErEffective(frequency_->text(), result_->text());
  page().activate(CalculatorId::Wavelength, sender);
}

}  // namespace cq
