#include "settings/splash.h"

#include <string>

#include "settings/loader.h"
#include "settings/manual_copper_boxes.h"
#include "settings/splash_status.h"
#include "settings/stored_selection.h"

namespace cq {

namespace {
constexpr int kSteps = 101;
constexpr int kStepMs = 40;
}  // namespace

void Splash::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.Button3Click", this, &Splash::Button3Click);
}

void Splash::attach(Form& form) {
  base_ = &form.radio("RadioGroup4");
  plating_ = &form.radio("RadioGroup1");
  manualBase_ = &form.edit("Edit136");
  manualPlating_ = &form.edit("Edit138");
}

void Splash::Button3Click(Control* sender) {
  // Showing runs the loader; its error box has been shown when show()
  // returns, and the splash goes on.
  loader_.form().show();
  main_.app().services().loop.processMessages();
  runProgress();
  loader_.progress().setPosition(0);
  loader_.form().close();
  writeManualCopperDefaults();
  main_.solve(sender);
}

void Splash::runProgress() {
  EventLoop& loop = main_.app().services().loop;
  ProgressBar& bar = loader_.progress();
  for (int step = 0; step < kSteps; ++step) {
    // Clicks and timer ticks are handled between the steps.
    loop.processMessages();
    bar.setPosition(step);
    loop.sleep(kStepMs);
    if (auto text = SplashStatusText(bar.position())) loader_.status().setCaption(std::string(*text));
  }
}

void Splash::writeManualCopperDefaults() {
  // Metric boxes keep what the Units switch wrote.
  if (main_.unitsRadio().itemIndex() != 0) return;
  const DecimalMode mode = main_.decimalMode();
  WriteManualCopperDefaults(*manualBase_, *manualPlating_, true, mode);
  if (mode == DecimalMode::Comma) refillCopperRadiosInCommaForm();
}

void Splash::refillCopperRadiosInCommaForm() {
  // The refills keep the user's stored copper weights; each selection
  // stores its value and solves.
  CopperChoice choice =
      StoredCopperChoice(main_.app().services().settings, {base_->itemIndex(), plating_->itemIndex()});
  base_->setItems(copperItems_.base);
  SelectStoredItem(*base_, choice.base);
  plating_->setItems(copperItems_.plating);
  SelectStoredItem(*plating_, choice.plating);
}

}  // namespace cq
