#include "calc/tline/bandwidth_page.h"

#include "app/input_check.h"
#include "app/input_messages.h"
#include "app/working_values.h"
#include "calc/tline/bandwidth_model.h"
#include "calc/tline/unit_box.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr int kRiseTime = 0;
constexpr int kMhz = 1;
constexpr int kStripline = 1;
}  // namespace

void BandwidthPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup12Click", [this](Control* sender) { RadioGroup12Click(sender); });
  handlers.add("TForm1.RadioGroup20Click", [this](Control* sender) { RadioGroup20Click(sender); });
  handlers.add("TForm1.TrackBar2Change", [this](Control* sender) { TrackBar2Change(sender); });
  handlers.add("TForm1.TrackBar3Change", [this](Control* sender) { TrackBar3Change(sender); });
}

void BandwidthPage::solve(Control* sender) { SolveBandwidth(sender); }

void BandwidthPage::attach(Form& form) {
  units_ = &form.radio("RadioGroup6");
  layer_ = &form.radio("RadioGroup3");
  er_ = &form.edit("Edit7");
  inputMethod_ = &form.radio("RadioGroup12");
  inputCaption_ = &form.label("Label30");
  input_ = &form.edit("Edit19");
  inputUnit_ = &form.edit("Edit279");
  frequencyUnit_ = &form.radio("RadioGroup20");
  riseMethod_ = &form.groupBox("GroupBox41");
  bandwidth_ = &form.edit("Edit22");
  speed_ = &form.edit("Edit43");
  srDivisor_ = &form.get<TrackBar>("TrackBar2");
  srCaption_ = &form.edit("Edit44");
  riseLength_ = &form.edit("Edit24");
  wavelength_ = &form.edit("Edit23");
  lambdaDivisor_ = &form.get<TrackBar>("TrackBar3");
  lambdaCaption_ = &form.edit("Edit47");
  wavelengthLength_ = &form.edit("Edit45");
}

void BandwidthPage::RadioGroup12Click(Control* sender) {
  // A switch always starts the new mode from its default value.
  const bool riseTime = inputMethod_->itemIndex() == kRiseTime;
  if (riseTime) {
    input_->setText("1");
    inputCaption_->setCaption("Signal Risetime");
    PlaceUnitBox(*inputUnit_, kRiseTimeUnitBox);
    frequencyUnit_->setVisible(false);
  } else {
    input_->setText("100");
    frequencyUnit_->setVisible(true);
    // Moving the unit to MHz runs its click, which solves once.
    frequencyUnit_->setItemIndex(kMhz);
    inputCaption_->setCaption("Frequency");
    PlaceUnitBox(*inputUnit_, kFrequencyModeUnitBox);
  }
  riseMethod_->setVisible(riseTime);
  layer_->setEnabled(riseTime);
  input_->setHint(riseTime ? "Enter the signal risetime." : "Enter the signal frequency.");
  page().solve(sender);
}

void BandwidthPage::RadioGroup20Click(Control* sender) {
  if (auto place = BandwidthFrequencyUnitBox(frequencyUnit_->itemIndex())) PlaceUnitBox(*inputUnit_, *place);
  page().solve(sender);
}

void BandwidthPage::TrackBar2Change(Control* sender) {
  const SrDivisorStep& step = SrDivisorStepAt(srDivisor_->position());
  srCaption_->setText(step.pointCaption);
  if (page().decimalComma()) srCaption_->setText(step.commaCaption);
  page().solve(sender);
}

void BandwidthPage::TrackBar3Change(Control* sender) {
  lambdaCaption_->setText(LambdaDivisorStepAt(lambdaDivisor_->position()).caption);
  page().solve(sender);
}

std::string BandwidthPage::length(double value, bool metric) const {
  return page().localize(Format(metric ? "%.5f cm" : "%.5f Inches", value));
}

void BandwidthPage::SolveBandwidth(Control* sender) {
  const int unit = units_->itemIndex();
  if (unit != 0 && unit != 1) return;
  const bool metric = unit == 1;
  const double srFactor = SrDivisorStepAt(srDivisor_->position()).factor;
  const double lambdaFactor = LambdaDivisorStepAt(lambdaDivisor_->position()).factor;

  if (inputMethod_->itemIndex() != kRiseTime) {
    // Er plays no part in a wavelength in air; the rise-time group keeps
    // its last results, hidden.
    const auto scale = FrequencyUnitScale(frequencyUnit_->itemIndex());
    if (!scale) return;
    const double lambda = WavelengthInAir(ParseLocaleFloat(input_->text()) * *scale, metric);
    wavelength_->setText(length(lambda, metric));
    wavelengthLength_->setText(length(lambda * lambdaFactor, metric));
    return;
  }

  const double riseNs = ParseLocaleFloat(input_->text());
  auto& values = page().values();
  values.SubstrateEr = ParseLocaleFloat(er_->text());
  // The nested solve reads Er 1 and writes every result; this one then
  // finishes with the Er it left.
  CheckValue(page(), *er_, values.SubstrateEr,
             {[](double value) { return value < 1; }, kMinimumErMessage, "1", {}, FollowUp::Resolve}, sender);
  const double er = values.SubstrateEr;

  const double bandwidthMhz = SignalBandwidthMhz(riseNs);
  bandwidth_->setText(page().localize(Format("%.5f MHz", bandwidthMhz)));
  const double lambda = WavelengthInAir(bandwidthMhz, metric);
  wavelength_->setText(length(lambda, metric));
  const double riseEr = layer_->itemIndex() == kStripline ? er : MicrostripRiseEr(er);
  const double riseDistance = RiseDistanceMetres(riseNs, riseEr);
  riseLength_->setText(length(RiseDistanceLength(riseDistance, srFactor, metric), metric));
  speed_->setText(page().localize(Format("%.3f m/s", PropagationSpeed(er))));
  wavelengthLength_->setText(length(lambda * lambdaFactor, metric));
}

}  // namespace cq
