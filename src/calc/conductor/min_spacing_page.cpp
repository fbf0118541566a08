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

// Bound once, when the window is built.
struct MinSpacingPage::Controls {
  Form& f;
  RadioGroup& ranges = f.radio("RadioGroup9");
  RadioGroup& devices = f.radio("RadioGroup10");
  Edit& voltage = f.edit("Edit79");
  Label& voltageCaption = f.label("Label21");
  Edit& result = f.edit("Edit51");
  Label& altitude = f.label("Label168");  // "+3050m"
  std::array<Image*, kPictures.size()> pictures = BindEach<Image>(f, kPictures);  // the cross-section pictures
};

void MinSpacingPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup9Click", this, &MinSpacingPage::RadioGroup9Click);
  handlers.add("TForm1.RadioGroup10Click", this, &MinSpacingPage::RadioGroup10Click);
}

void MinSpacingPage::solve(Control* sender) { SolveMinConductorSpacing(sender); }

void MinSpacingPage::attach(Form& form) { c_.bind(form); }

void MinSpacingPage::RadioGroup9Click(Control* sender) {
  bool above500V = c_->ranges.itemIndex() == kAbove500VRange;
  c_->voltageCaption.setEnabled(above500V);
  c_->voltage.setEnabled(above500V);
  // The radios solve directly, without the temperature steps.
  SolveMinConductorSpacing(sender);
}

void MinSpacingPage::RadioGroup10Click(Control* sender) {
  showDevicePicture(c_->devices.itemIndex());
  SolveMinConductorSpacing(sender);
}

void MinSpacingPage::showDevicePicture(int device) {
  if (device < 0 || device >= kSpacingDeviceTypes) return;
  ShowOnly(c_->pictures, kDevicePicture[static_cast<size_t>(device)]);
  c_->altitude.setVisible(device == kB3);
}

void MinSpacingPage::SolveMinConductorSpacing(Control* sender) {
  // Parsed whatever range is chosen, so a bad text stops every solve here.
  volts_ = ParseLocaleFloat(c_->voltage.text());
  // The full solve parses the corrected text; this run goes on with it.
  CheckValue(page(), c_->voltage, volts_,
             {[](double volts) { return volts < kLowestVoltage; }, "Voltage must be equal to or greater than 501V", "501",
              {}, FollowUp::Resolve},
             sender);

  if (!page().unitsChosen()) return;
  const bool metric = page().metric();
  const int range = c_->ranges.itemIndex();
  const int device = c_->devices.itemIndex();
  if (device < 0 || device >= kSpacingDeviceTypes) return;

  if (range >= 0 && range < kSpacingTableRanges) {
    c_->result.setText(MinSpacingCellText(range, device, metric, page().decimalComma()));
  } else if (range == kAbove500VRange) {
    double spacing = MinSpacingAbove500V(volts_, device, metric);
    page().show(c_->result, metric ? "%.4f mm" : "%.4f mils", spacing);
  }
}

}  // namespace cq
