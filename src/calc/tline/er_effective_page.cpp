#include "calc/tline/er_effective_page.h"

#include "app/input_check.h"
#include "app/input_messages.h"
#include "app/working_values.h"
#include "calc/conductor/copper_choices.h"
#include "calc/conductor/total_copper_text.h"
#include "calc/tline/microstrip_dispersion_model.h"
#include "calc/tline/wavelength_page.h"
#include "platform/unit_factors.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

// Bound once, when the window is built.
struct ErEffectivePage::Controls {
  Form& f;
  CopperControls copper{f};
  Edit& er = f.edit("Edit7");
  Label& totalCopper = f.label("Label56");
  Label& info110 = f.label("Label110");
  Label& info285 = f.label("Label285");
  Edit& viaCount = f.edit("Edit227");
  UpDown& viaCountStep = f.upDown("UpDown6");
  Edit& width = f.edit("Edit25");
  Edit& height = f.edit("Edit46");
  Edit& frequency = f.edit("Edit224");
  Edit& result = f.edit("Edit221");
};

void ErEffectivePage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.Button5Click", this, &ErEffectivePage::Button5Click);
}

void ErEffectivePage::solve(Control* sender) { SolveErEffective(sender); }

void ErEffectivePage::attach(Form& form) { c_.bind(form); }

void ErEffectivePage::SolveErEffective(Control*) {
  if (!page().unitsChosen()) return;
  const bool metric = page().metric();
  auto& v = page().values();

  CopperWeightThickness(CopperSelectionOf(c_->copper, page().programOptions()), v.BaseCopperThickness,
                        v.PlatingThickness);
  // A microstrip is an outer conductor, so the plating counts.
  v.TotalCopperThickness = v.PlatingThickness + v.BaseCopperThickness;
  ShowTotalCopper(page(), c_->totalCopper, v.TotalCopperThickness, metric);
  c_->info110.setCaption("N/A");
  c_->info285.setCaption("N/A");
  c_->viaCount.setEnabled(false);
  c_->viaCountStep.setEnabled(false);

  // The model works in mm whatever the unit system.
  const auto toMm = [metric](double length) { return metric ? length : CheckedMilsToMm(length); };
  v.ConductorWidth = toMm(ParseLocaleFloat(c_->width.text()));
  const double t = toMm(v.TotalCopperThickness);

  v.SubstrateEr = ParseLocaleFloat(c_->er.text());
  // The result keeps the last valid solve; the corrected Er counts from the
  // next one.
  const EndingRule erAboveOne{[](double er) { return er <= 1; }, kErAboveOneMessage, "1.001", "1,001", Ending::Now};
  if (EndsSolve(page(), c_->er, v.SubstrateEr, erAboveOne)) return;

  const double h = toMm(ParseLocaleFloat(c_->height.text()));
  const double ghz = ParseLocaleFloat(c_->frequency.text()) / 1000;
  const MicrostripDispersion m = MicrostripDispersionModel(v.ConductorWidth, h, t, v.SubstrateEr, ghz);
  page().show(c_->result, "%.4f", m.eef);
}

void ErEffectivePage::Button5Click(Control* sender) {
  // The texts as they are: this page is not solved again, so a text on it
  // that is no number stops nothing. The frequency is in MHz; the
  // Wavelength page shows it so before its activation solves.
  wavelength_.receiveFromErEffective(c_->frequency.text(), c_->result.text());
  page().activate(CalculatorId::Wavelength, sender);
}

}  // namespace cq
