#include "calc/electrical/ppm_xtal_page.h"

#include "app/input_check.h"
#include "calc/electrical/ppm_xtal_model.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

// Bound once, when the window is built.
struct PpmXtalPage::Controls {
  Form& f;
  Edit& ppmCentre = f.edit("Edit170");
  Edit& ppm = f.edit("Edit171");
  Edit& ppmVariation = f.edit("Edit172");
  Edit& ppmMaximum = f.edit("Edit173");
  Edit& ppmMinimum = f.edit("Edit180");
  Edit& hertzCentre = f.edit("Edit181");
  Edit& hertzMaximum = f.edit("Edit182");
  Edit& hertzVariation = f.edit("Edit183");
  Edit& hertzPpm = f.edit("Edit184");
  Edit& load = f.edit("Edit106");
  Edit& stray = f.edit("Edit115");
  Edit& c1 = f.edit("Edit339");
  Edit& c2 = f.edit("Edit338");
  Edit& loadOfCapacitors = f.edit("Edit341");
  Edit& ruleOfThumb = f.edit("Edit340");
};

namespace {
constexpr const char* kCentreMessage = "Center frequency cannot be less than or equal to zero.";
}  // namespace

void PpmXtalPage::solve(Control* sender) { SolvePPMXtal(sender); }

void PpmXtalPage::attach(Form& form) { c_.bind(form); }

double PpmXtalPage::readPositive(Edit& field, const char* message) {
  return CheckInput(page(), field, {[](double value) { return value <= 0; }, message, "1", {}, FollowUp::KeepTyped});
}

void PpmXtalPage::SolvePPMXtal(Control*) {
  // PPM to hertz.
  const double centre = readPositive(c_->ppmCentre, kCentreMessage);
  const double ppm = readPositive(c_->ppm, "PPM Value cannot be less than or equal to zero.");
  const double variation = FrequencyVariation(centre, ppm);
  page().show(c_->ppmVariation, "%0.2f", variation);
  page().show(c_->ppmMaximum, "%0.2f", Add(centre, variation));
  page().show(c_->ppmMinimum, "%0.2f", Sub(centre, variation));

  // Hertz to PPM.
  const double bandCentre = readPositive(c_->hertzCentre, kCentreMessage);
  const double bandMaximum = readPositive(c_->hertzMaximum, "Maximum frequency cannot be less than or equal to zero.");
  page().show(c_->hertzVariation, "%0.2f", Sub(bandMaximum, bandCentre));
  page().show(c_->hertzPpm, "%0.2f", PpmOfFrequencies(bandCentre, bandMaximum));

  // Crystal load capacitors.
  const double load = readPositive(c_->load, "Load capacitance cannot be less than or equal to zero.");
  const double stray = readPositive(c_->stray, "Stray capacitance cannot be less than or equal to zero.");
  const double c1 = readPositive(c_->c1, "C1 value cannot be less than or equal to zero.");
  const double c2 = readPositive(c_->c2, "C2 value cannot be less than or equal to zero.");
  page().show(c_->loadOfCapacitors, "%0.2f pF", LoadOfCapacitors(c1, c2, stray));
  page().show(c_->ruleOfThumb, "%0.2f pF", EqualCapacitorsForLoad(load, stray));
}

}  // namespace cq
