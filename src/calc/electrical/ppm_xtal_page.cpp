#include "calc/electrical/ppm_xtal_page.h"

#include "app/input_check.h"
#include "calc/electrical/ppm_xtal_model.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr const char* kCentreMessage = "Center frequency cannot be less than or equal to zero.";
}  // namespace

void PpmXtalPage::registerHandlers(HandlerRegistry&) {
}

void PpmXtalPage::solve(Control* sender) { SolvePPMXtal(sender); }

void PpmXtalPage::attach(Form& form) {
  ppmCentre_ = &form.edit("Edit170");
  ppm_ = &form.edit("Edit171");
  ppmVariation_ = &form.edit("Edit172");
  ppmMaximum_ = &form.edit("Edit173");
  ppmMinimum_ = &form.edit("Edit180");
  hertzCentre_ = &form.edit("Edit181");
  hertzMaximum_ = &form.edit("Edit182");
  hertzVariation_ = &form.edit("Edit183");
  hertzPpm_ = &form.edit("Edit184");
  load_ = &form.edit("Edit106");
  stray_ = &form.edit("Edit115");
  c1_ = &form.edit("Edit339");
  c2_ = &form.edit("Edit338");
  loadOfCapacitors_ = &form.edit("Edit341");
  ruleOfThumb_ = &form.edit("Edit340");
}

double PpmXtalPage::readPositive(Edit& field, const char* message) {
  return *CheckInput(page(), field, {[](double value) { return value <= 0; }, message, "1", {}, FollowUp::KeepTyped});
}

void PpmXtalPage::writeResult(Edit& field, const char* format, double value) {
  field.setText(page().localize(Format(format, value)));
}

void PpmXtalPage::SolvePPMXtal(Control*) {
  // PPM to hertz.
  const double centre = readPositive(*ppmCentre_, kCentreMessage);
  const double ppm = readPositive(*ppm_, "PPM Value cannot be less than or equal to zero.");
  const double variation = FrequencyVariation(centre, ppm);
  writeResult(*ppmVariation_, "%0.2f", variation);
  writeResult(*ppmMaximum_, "%0.2f", Add(centre, variation));
  writeResult(*ppmMinimum_, "%0.2f", Sub(centre, variation));

  // Hertz to PPM.
  const double bandCentre = readPositive(*hertzCentre_, kCentreMessage);
  const double bandMaximum = readPositive(*hertzMaximum_, "Maximum frequency cannot be less than or equal to zero.");
  writeResult(*hertzVariation_, "%0.2f", Sub(bandMaximum, bandCentre));
  writeResult(*hertzPpm_, "%0.2f", PpmOfFrequencies(bandCentre, bandMaximum));

  // Crystal load capacitors.
  const double load = readPositive(*load_, "Load capacitance cannot be less than or equal to zero.");
  const double stray = readPositive(*stray_, "Stray capacitance cannot be less than or equal to zero.");
  const double c1 = readPositive(*c1_, "C1 value cannot be less than or equal to zero.");
  const double c2 = readPositive(*c2_, "C2 value cannot be less than or equal to zero.");
  writeResult(*loadOfCapacitors_, "%0.2f pF", LoadOfCapacitors(c1, c2, stray));
  writeResult(*ruleOfThumb_, "%0.2f pF", EqualCapacitorsForLoad(load, stray));
}

}  // namespace cq
