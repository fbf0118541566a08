#include "calc/tline/bandwidth_page.h"

#include "app/input_check.h"
#include "app/input_messages.h"
#include "app/working_values.h"
#include "calc/tline/bandwidth_model.h"
#include "calc/tline/unit_box.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

// Bound once, when the window is built.
struct BandwidthPage::Controls {
  Form& f;
  RadioGroup& layer = f.radio("RadioGroup3");
  Edit& er = f.edit("Edit7");
  RadioGroup& inputMethod = f.radio("RadioGroup12");
  Label& inputCaption = f.label("Label30");
  Edit& input = f.edit("Edit19");
  Edit& inputUnit = f.edit("Edit279");
  RadioGroup& frequencyUnit = f.radio("RadioGroup20");
  GroupBox& riseMethod = f.groupBox("GroupBox41");
  Edit& bandwidth = f.edit("Edit22");
  Edit& speed = f.edit("Edit43");
  TrackBar& srDivisor = f.trackBar("TrackBar2");
  Edit& srCaption = f.edit("Edit44");
  Edit& riseLength = f.edit("Edit24");
  Edit& wavelength = f.edit("Edit23");
  TrackBar& lambdaDivisor = f.trackBar("TrackBar3");
  Edit& lambdaCaption = f.edit("Edit47");
  Edit& wavelengthLength = f.edit("Edit45");
};

namespace {
constexpr int kRiseTime = 0;
constexpr int kMhz = 1;
constexpr int kStripline = 1;
}  // namespace

void BandwidthPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup12Click", this, &BandwidthPage::RadioGroup12Click);
  handlers.add("TForm1.RadioGroup20Click", this, &BandwidthPage::RadioGroup20Click);
  handlers.add("TForm1.TrackBar2Change", this, &BandwidthPage::TrackBar2Change);
  handlers.add("TForm1.TrackBar3Change", this, &BandwidthPage::TrackBar3Change);
}

void BandwidthPage::solve(Control* sender) { SolveBandwidth(sender); }

void BandwidthPage::attach(Form& form) { c_.bind(form); }

void BandwidthPage::RadioGroup12Click(Control* sender) {
  // A switch always starts the new mode from its default value.
  const bool riseTime = c_->inputMethod.itemIndex() == kRiseTime;
  if (riseTime) {
    c_->input.setText("1");
    c_->inputCaption.setCaption("Signal Risetime");
    PlaceUnitBox(c_->inputUnit, kRiseTimeUnitBox);
    c_->frequencyUnit.setVisible(false);
  } else {
    c_->input.setText("100");
    c_->frequencyUnit.setVisible(true);
    // Moving the unit to MHz runs its click, which solves once.
    c_->frequencyUnit.setItemIndex(kMhz);
    c_->inputCaption.setCaption("Frequency");
    PlaceUnitBox(c_->inputUnit, kFrequencyModeUnitBox);
  }
  c_->riseMethod.setVisible(riseTime);
  c_->layer.setEnabled(riseTime);
  c_->input.setHint(riseTime ? "Enter the signal risetime." : "Enter the signal frequency.");
  page().solve(sender);
}

void BandwidthPage::RadioGroup20Click(Control* sender) {
  if (auto place = BandwidthFrequencyUnitBox(c_->frequencyUnit.itemIndex())) PlaceUnitBox(c_->inputUnit, *place);
  page().solve(sender);
}

void BandwidthPage::TrackBar2Change(Control* sender) {
  const SrDivisorStep& step = SrDivisorStepAt(c_->srDivisor.position());
  c_->srCaption.setText(step.pointCaption);
  if (page().decimalComma()) c_->srCaption.setText(step.commaCaption);
  page().solve(sender);
}

void BandwidthPage::TrackBar3Change(Control* sender) {
  c_->lambdaCaption.setText(LambdaDivisorStepAt(c_->lambdaDivisor.position()).caption);
  page().solve(sender);
}

void BandwidthPage::SolveBandwidth(Control* sender) {
  if (!page().unitsChosen()) return;
  const bool metric = page().metric();
  const char* lengthFormat = metric ? "%.5f cm" : "%.5f Inches";
  const double srFactor = SrDivisorStepAt(c_->srDivisor.position()).factor;
  const double lambdaFactor = LambdaDivisorStepAt(c_->lambdaDivisor.position()).factor;

  if (c_->inputMethod.itemIndex() != kRiseTime) {
    // Er plays no part in a wavelength in air; the rise-time group keeps
    // its last results, hidden.
    const auto scale = FrequencyUnitScale(c_->frequencyUnit.itemIndex());
    if (!scale) return;
    const double lambda = WavelengthInAir(ParseLocaleFloat(c_->input.text()) * *scale, metric);
    page().show(c_->wavelength, lengthFormat, lambda);
    page().show(c_->wavelengthLength, lengthFormat, lambda * lambdaFactor);
    return;
  }

  const double riseNs = ParseLocaleFloat(c_->input.text());
  auto& values = page().values();
  values.SubstrateEr = ParseLocaleFloat(c_->er.text());
  // The nested solve reads Er 1 and writes every result; this one then
  // finishes with the Er it left.
  CheckValue(page(), c_->er, values.SubstrateEr,
             {[](double value) { return value < 1; }, kMinimumErMessage, "1", {}, FollowUp::Resolve}, sender);
  const double er = values.SubstrateEr;

  const double bandwidthMhz = SignalBandwidthMhz(riseNs);
  page().show(c_->bandwidth, "%.5f MHz", bandwidthMhz);
  const double lambda = WavelengthInAir(bandwidthMhz, metric);
  page().show(c_->wavelength, lengthFormat, lambda);
  const double riseEr = c_->layer.itemIndex() == kStripline ? er : MicrostripRiseEr(er);
  const double riseDistance = RiseDistanceMetres(riseNs, riseEr);
  page().show(c_->riseLength, lengthFormat, RiseDistanceLength(riseDistance, srFactor, metric));
  page().show(c_->speed, "%.3f m/s", PropagationSpeed(er));
  page().show(c_->wavelengthLength, lengthFormat, lambda * lambdaFactor);
}

}  // namespace cq
