#include "calc/tline/wavelength_page.h"

#include "calc/tline/unit_box.h"
#include "calc/tline/wavelength_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

// Bound once, when the window is built.
struct WavelengthPage::Controls {
  Form& f;
  RadioGroup& inputMethod = f.radio("RadioGroup22");
  Label& inputCaption = f.label("Label220");
  Edit& input = f.edit("Edit103");
  Edit& inputUnit = f.edit("Edit280");
  RadioGroup& inputUnits = f.radio("RadioGroup21");
  Edit& erEff = f.edit("Edit150");
  TrackBar& fraction = f.trackBar("TrackBar4");
  Label& fractionText = f.label("Label222");
  Edit& result = f.edit("Edit104");
  Edit& erEffectiveFrequency = f.edit("Edit224");
};

namespace {
constexpr int kPeriod = 0;
constexpr int kFrequency = 1;
constexpr int kMhz = 1;
}  // namespace

void WavelengthPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.TrackBar4Change", this, &WavelengthPage::TrackBar4Change);
  handlers.add("TForm1.RadioGroup21Click", this, &WavelengthPage::RadioGroup21Click);
  handlers.add("TForm1.RadioGroup22Click", this, &WavelengthPage::RadioGroup22Click);
  handlers.add("TForm1.Button4Click", this, &WavelengthPage::Button4Click);
}

void WavelengthPage::solve(Control* sender) { SolveWavelength(sender); }

void WavelengthPage::activationExtras() {
  if (!handedOver_) return;
  handedOver_ = false;
  showFrequencyInMhz();
}

void WavelengthPage::attach(Form& form) { c_.bind(form); }

bool WavelengthPage::periodInput() const { return c_->inputMethod.itemIndex() == kPeriod; }

void WavelengthPage::TrackBar4Change(Control* sender) {
  c_->fractionText.setCaption(WavelengthFractionStep(c_->fraction.position()).text);
  page().solve(sender);
}

void WavelengthPage::RadioGroup21Click(Control* sender) {
  if (auto place = WavelengthUnitBox(periodInput(), c_->inputUnits.itemIndex())) PlaceUnitBox(c_->inputUnit, *place);
  solveUnlessQuiet(sender);
}

void WavelengthPage::solveUnlessQuiet(Control* sender) {
  if (!quiet_) page().solve(sender);
}

void WavelengthPage::refillUnits(std::initializer_list<const char*> items, int selected) {
  // Each selection that moves the unit item runs its click, which solves.
  c_->inputUnits.setItemIndex(selected);
  c_->inputUnits.clearItems();
  for (const char* item : items) c_->inputUnits.addItem(item);
  c_->inputUnits.setItemIndex(selected);
}

void WavelengthPage::RadioGroup22Click(Control* sender) {
  // The number in the field stays and is read in the new meaning.
  if (periodInput()) {
    c_->inputCaption.setCaption("Period");
    refillUnits({"ns", "ps"}, 0);
    c_->inputUnit.setWidth(23);
    c_->inputUnit.setLeft(138);
    c_->inputUnits.setHint("Select units for time.");
    c_->input.setHint("Enter the signal period.");
  } else {
    c_->inputCaption.setCaption("Frequency");
    refillUnits({"GHz", "MHz", "KHz", "Hz"}, kMhz);
    c_->inputUnit.setWidth(42);
    c_->inputUnit.setLeft(122);
    c_->inputUnits.setHint("Select units for frequency.");
    c_->input.setHint("Enter the signal frequency.");
  }
  solveUnlessQuiet(sender);
}

void WavelengthPage::receiveFromErEffective(const std::string& mhz, const std::string& erEff) {
  c_->input.setText(mhz);
  c_->erEff.setText(erEff);
  handedOver_ = true;
}

void WavelengthPage::showFrequencyInMhz() {
  // Laying out runs no solve and reads no field, so nothing ends it half
  // way; the flag is back before the activation solves.
  quiet_ = true;
  c_->inputMethod.setItemIndex(kFrequency);
  c_->inputUnits.setItemIndex(kMhz);
  quiet_ = false;
}

void WavelengthPage::Button4Click(Control* sender) {
  // The Er Effective field is in MHz, so a period or another unit is handed
  // over as its frequency in MHz; a text that is no number goes as typed
  // and the Er Effective solve reports it.
  std::string text = c_->input.text();
  const bool alreadyMhz = !periodInput() && c_->inputUnits.itemIndex() == kMhz;
  if (auto value = TryParseLocaleFloat(text); value && !alreadyMhz)
    if (auto mhz = WavelengthInputToMhz(periodInput(), c_->inputUnits.itemIndex(), *value))
      text = FormatGeneralFloat(*mhz);
  c_->erEffectiveFrequency.setText(text);
  page().activate(CalculatorId::ErEffective, sender);
}

void WavelengthPage::SolveWavelength(Control*) {
  if (!page().unitsChosen()) return;
  const double fraction = WavelengthFractionStep(c_->fraction.position()).fraction;
  const auto mhz = WavelengthInputToMhz(periodInput(), c_->inputUnits.itemIndex(), ParseLocaleFloat(c_->input.text()));
  if (!mhz) return;
  // The substrate Er of the Options panel plays no part here (the panel is
  // disabled on this page), so it is not read.
  const double eeff = ParseLocaleFloat(c_->erEff.text());
  const bool metric = page().metric();
  const double length = Wavelength(eeff, *mhz, metric) * fraction;
  page().show(c_->result, metric ? "%.5f cm" : "%.5f Inches", length);
}

}  // namespace cq
