#include "settings/first_start.h"

#include "app/settings_key.h"
#include "settings/default_settings.h"

namespace cq {

void InstallSettingsOnFirstStart(SettingsStore& store) {
  // A store that refuses the key starts without it: the loader then reports
  // the missing settings as it does for any damaged key.
  if (!store.keyExists(kSettingsKey)) WriteDefaultSettings(store);
}

}  // namespace cq
