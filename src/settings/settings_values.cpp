#include "settings/settings_values.h"

#include "app/settings_key.h"
#include "platform/registry.h"

namespace cq {

std::string ReadSetting(SettingsStore& store, const std::string& name) {
  Registry registry(store);
  registry.openKeyReadOnly(kSettingsKey);
  std::string text = registry.readString(name);
  registry.closeKey();
  return text;
}

}  // namespace cq
