#include "calc/conductor/min_spacing_page.h"

#include <array>

#include "app/input_check.h"
#include "calc/conductor/min_spacing_table.h"
#include "platform/control_group.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr double kLowestVoltage = 501;

constexpr std::array<const char*, 6> kPictures = {"Image38", "Image39", "Image37", "Image40", "Image41", "Image42"};
// The cross-section picture of each device type, as an index into
// kPictures; B2 and B3 share one.
constexpr std::array<size_t, kSpacingDeviceTypes> kDevicePicture = {0, 1, 1, 2, 3, 4, 5};
constexpr int kB3 = 2;
}  // namespace

void MinSpacingPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup9Click", [this](Control* sender) { RadioGroup9Click(sender); });
  handlers.add("TForm1.RadioGroup10Click", [this](Control* sender) { RadioGroup10Click(sender); });
}

void MinSpacingPage::solve(Control* sender) { SolveMinConductorSpacing(sender); }

void MinSpacingPage::attach(Form& form) {
  static_assert(std::tuple_size_v<decltype(pictures_)> == kPictures.size());
  ranges_ = &form.radio("RadioGroup9");
  devices_ = &form.radio("RadioGroup10");
  units_ = &form.radio("RadioGroup6");
  voltage_ = &form.edit("Edit79");
  voltageCaption_ = &form.label("Label21");
  result_ = &form.edit("Edit51");
  altitude_ = &form.label("Label168");
  for (size_t i = 0; i < kPictures.size(); ++i) pictures_[i] = &form.image(kPictures[i]);
}

void MinSpacingPage::RadioGroup9Click(Control* sender) {
  bool above500V = ranges_->itemIndex() == kAbove500VRange;
  voltageCaption_->setEnabled(above500V);
  voltage_->setEnabled(above500V);
  // The radios solve directly, without the temperature steps.
  SolveMinConductorSpacing(sender);
}

void MinSpacingPage::RadioGroup10Click(Control* sender) {
  showDevicePicture(devices_->itemIndex());
  SolveMinConductorSpacing(sender);
}

void MinSpacingPage::showDevicePicture(int device) {
  if (device < 0 || device >= kSpacingDeviceTypes) return;
  ShowOnly(pictures_, kDevicePicture[static_cast<size_t>(device)]);
  altitude_->setVisible(device == kB3);
}

void MinSpacingPage::SolveMinConductorSpacing(Control* sender) {
  // Parsed whatever range is chosen, so a bad text stops every solve here.
  volts_ = ParseLocaleFloat(voltage_->text());
  // The full solve parses the corrected text; this run goes on with it.
  CheckValue(page(), *voltage_, volts_,
             {[](double volts) { return volts < kLowestVoltage; }, "Voltage must be equal to or greater than 501V", "501",
              {}, FollowUp::Resolve},
             sender);

  const int unit = units_->itemIndex();
  if (unit != 0 && unit != 1) return;
  const bool metric = unit == 1;
  const int range = ranges_->itemIndex();
  const int device = devices_->itemIndex();
  if (device < 0 || device >= kSpacingDeviceTypes) return;

  if (range >= 0 && range < kSpacingTableRanges) {
    result_->setText(MinSpacingCellText(range, device, metric, page().decimalComma()));
  } else if (range == kAbove500VRange) {
    double spacing = MinSpacingAbove500V(volts_, device, metric);
    result_->setText(page().localize(Format(metric ? "%.4f mm" : "%.4f mils", spacing)));
  }
}

}  // namespace cq
