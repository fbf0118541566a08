#include "app/setting_writer.h"

#include "app/settings_key.h"
#include "platform/registry.h"

namespace cq {

void WriteSetting(SettingsStore& store, const std::string& name, std::string& kept, const std::string& text) {
  Registry registry(store);
  if (registry.openKey(kSettingsKey, true)) kept = text;
  registry.writeString(name, kept);
  registry.closeKey();
}

}  // namespace cq
