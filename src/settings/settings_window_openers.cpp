#include "settings/settings_window_openers.h"

#include <string>

#include "platform/errors.h"

namespace cq {

void SettingsWindowOpeners::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.CopperWeight1Click", [this](Control* s) { CopperWeight1Click(s); });
  handlers.add("TForm1.ReinstallRegistryKeys1Click", [this](Control* s) { ReinstallRegistryKeys1Click(s); });
  handlers.add("TForm1.Label301Click", [this](Control* s) { Label301Click(s); });
  handlers.add("TForm1.BitBtn2Click", [this](Control* s) { BitBtn2Click(s); });
}

Form& SettingsWindowOpeners::window(const char* name) const {
  if (Form* f = app_.findForm(name)) return *f;
  throw DescriptionError(std::string("no window ") + name);
}

void SettingsWindowOpeners::CopperWeight1Click(Control*) {
  main_->setEnabled(false);
  window("Form6").show();
}

void SettingsWindowOpeners::BitBtn2Click(Control*) { window("Form6").show(); }

void SettingsWindowOpeners::ReinstallRegistryKeys1Click(Control*) { window("Form8").show(); }

void SettingsWindowOpeners::Label301Click(Control*) { window("Form8").show(); }

}  // namespace cq
