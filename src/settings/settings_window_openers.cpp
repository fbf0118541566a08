#include "settings/settings_window_openers.h"

namespace cq {

void SettingsWindowOpeners::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.CopperWeight1Click", this, &SettingsWindowOpeners::CopperWeight1Click);
  handlers.add("TForm1.ReinstallRegistryKeys1Click", this, &SettingsWindowOpeners::ReinstallRegistryKeys1Click);
  handlers.add("TForm1.Label301Click", this, &SettingsWindowOpeners::Label301Click);
  handlers.add("TForm1.BitBtn2Click", this, &SettingsWindowOpeners::BitBtn2Click);
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
