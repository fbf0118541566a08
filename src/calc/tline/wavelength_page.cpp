#include "calc/tline/wavelength_page.h"

#include "calc/tline/unit_box.h"
#include "calc/tline/wavelength_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr int kPeriod = 0;
constexpr int kFrequency = 1;
constexpr int kMhz = 1;
}  // namespace

void WavelengthPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.TrackBar4Change", [this](Control* sender) { TrackBar4Change(sender); });
  handlers.add("TForm1.RadioGroup21Click", [this](Control* sender) { RadioGroup21Click(sender); });
  handlers.add("TForm1.RadioGroup22Click", [this](Control* sender) { RadioGroup22Click(sender); });
  handlers.add("TForm1.Button4Click", [this](Control* sender) { Button4Click(sender); });
}

void WavelengthPage::solve(Control* sender) { SolveWavelength(sender); }

void WavelengthPage::activationExtras() {
  if (!handedOver_) return;
  handedOver_ = false;
  showFrequencyInMhz();
}

void WavelengthPage::attach(Form& form) {
  units_ = &form.radio("RadioGroup6");
  inputMethod_ = &form.radio("RadioGroup22");
  inputCaption_ = &form.label("Label220");
  input_ = &form.edit("Edit103");
  inputUnit_ = &form.edit("Edit280");
  inputUnits_ = &form.radio("RadioGroup21");
  erEff_ = &form.edit("Edit150");
  fraction_ = &form.get<TrackBar>("TrackBar4");
  fractionText_ = &form.label("Label222");
  result_ = &form.edit("Edit104");
  erEffectiveFrequency_ = &form.edit("Edit224");
}

bool WavelengthPage::periodInput() const { return inputMethod_->itemIndex() == kPeriod; }

void WavelengthPage::TrackBar4Change(Control* sender) {
  fractionText_->setCaption(WavelengthFractionStep(fraction_->position()).text);
  page().solve(sender);
}

void WavelengthPage::RadioGroup21Click(Control* sender) {
  if (auto place = WavelengthUnitBox(periodInput(), inputUnits_->itemIndex())) PlaceUnitBox(*inputUnit_, *place);
  solveUnlessQuiet(sender);
}

void WavelengthPage::solveUnlessQuiet(Control* sender) {
  if (!quiet_) page().solve(sender);
}

void WavelengthPage::refillUnits(std::initializer_list<const char*> items, int selected) {
  // Each selection that moves the unit item runs its click, which solves.
  inputUnits_->setItemIndex(selected);
  inputUnits_->clearItems();
  for (const char* item : items) inputUnits_->addItem(item);
  inputUnits_->setItemIndex(selected);
}

void WavelengthPage::RadioGroup22Click(Control* sender) {
  // The number in the field stays and is read in the new meaning.
  if (periodInput()) {
    inputCaption_->setCaption("Period");
    refillUnits({"ns", "ps"}, 0);
    inputUnit_->setWidth(23);
    inputUnit_->setLeft(138);
    inputUnits_->setHint("Select units for time.");
    input_->setHint("Enter the signal period.");
  } else {
    inputCaption_->setCaption("Frequency");
    refillUnits({"GHz", "MHz", "KHz", "Hz"}, kMhz);
    inputUnit_->setWidth(42);
    inputUnit_->setLeft(122);
    inputUnits_->setHint("Select units for frequency.");
    input_->setHint("Enter the signal frequency.");
  }
  solveUnlessQuiet(sender);
}

void WavelengthPage::receiveFromErEffective(const std::string& mhz, const std::string& erEff) {
  input_->setText(mhz);
  erEff_->setText(erEff);
  handedOver_ = true;
}

void WavelengthPage::showFrequencyInMhz() {
  // Laying out runs no solve and reads no field, so nothing ends it half
  // way; the flag is back before the activation solves.
  quiet_ = true;
  inputMethod_->setItemIndex(kFrequency);
  inputUnits_->setItemIndex(kMhz);
  quiet_ = false;
}

void WavelengthPage::Button4Click(Control* sender) {
  // The Er Effective field is in MHz, so a period or another unit is handed
  // over as its frequency in MHz; a text that is no number goes as typed
  // and the Er Effective solve reports it.
  std::string text = input_->text();
  const bool alreadyMhz = !periodInput() && inputUnits_->itemIndex() == kMhz;
  if (auto value = TryParseLocaleFloat(text); value && !alreadyMhz)
    if (auto mhz = WavelengthInputToMhz(periodInput(), inputUnits_->itemIndex(), *value))
      text = FormatGeneralFloat(*mhz);
  erEffectiveFrequency_->setText(text);
  page().activate(CalculatorId::ErEffective, sender);
}

void WavelengthPage::SolveWavelength(Control*) {
  const int unit = units_->itemIndex();
  if (unit != 0 && unit != 1) return;
  const double fraction = WavelengthFractionStep(fraction_->position()).fraction;
  const auto mhz = WavelengthInputToMhz(periodInput(), inputUnits_->itemIndex(), ParseLocaleFloat(input_->text()));
  if (!mhz) return;
  // The substrate Er of the Options panel plays no part here (the panel is
  // disabled on this page), so it is not read.
  const double eeff = ParseLocaleFloat(erEff_->text());
  const bool metric = unit == 1;
  const double length = Wavelength(eeff, *mhz, metric) * fraction;
  result_->setText(page().localize(Format(metric ? "%.5f cm" : "%.5f Inches", length)));
}

}  // namespace cq
