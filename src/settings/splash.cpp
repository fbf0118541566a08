#include "settings/splash.h"

#include <string>

#include "app/main_window.h"
#include "settings/loader.h"
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
  units_ = &form.radio("RadioGroup6");
  base_ = &form.radio("RadioGroup4");
  plating_ = &form.radio("RadioGroup1");
  decimalMode_ = &form.label("Label165");
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
  main_.Button1Click(sender);
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
  if (units_->itemIndex() != 0) return;
  const std::string& mode = decimalMode_->caption();
  if (mode == "0") {
    manualBase_->setText("0.7");
    manualPlating_->setText("1.4");
  } else if (mode == "1") {
    manualBase_->setText("0,7");
    manualPlating_->setText("1,4");
    refillCopperRadiosInCommaForm();
  }
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
