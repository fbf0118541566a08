#include "settings/settings_window_openers.h"

namespace cq {

void SettingsWindowOpeners::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.CopperWeight1Click", [this](Control* s) { CopperWeight1Click(s); });
  handlers.add("TForm1.ReinstallRegistryKeys1Click", [this](Control* s) { ReinstallRegistryKeys1Click(s); });
  handlers.add("TForm1.Label301Click", [this](Control* s) { Label301Click(s); });
  handlers.add("TForm1.BitBtn2Click", [this](Control* s) { BitBtn2Click(s); });
}

void SettingsWindowOpeners::bindWindows(Form& programOptions, Form& installer) {
  programOptions_ = &programOptions;
  installer_ = &installer;
}

void SettingsWindowOpeners::CopperWeight1Click(Control*) {
  main_->setEnabled(false);
  programOptions_->show();
}

void SettingsWindowOpeners::BitBtn2Click(Control*) { programOptions_->show(); }

void SettingsWindowOpeners::ReinstallRegistryKeys1Click(Control*) { installer_->show(); }

void SettingsWindowOpeners::Label301Click(Control*) { installer_->show(); }

}  // namespace cq
