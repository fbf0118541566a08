#include "settings/default_settings.h"

#include "app/settings_key.h"
#include "settings/settings_values.h"

namespace cq {

const std::array<DefaultSetting, kDefaultSettingCount>& DefaultSettings() {
  using namespace setting;
  static const std::array<DefaultSetting, kDefaultSettingCount> table{{
      {kConductorReduction, "100"},
      {kIpcVersion, "0"},
      {kDerating, "0"},
      {kManualCopper, "0"},
      {kProgram, "16"},
      {kUnits, "0"},
      {kViaHeight, "1"},
      {kStatus, "0"},
      {kBaseWeight, "1"},
      {kPlateWeight, "2"},
      {kThLimit, "10"},
      {kUViaLimit, "1"},
      {kTheme, "2"},
      {kFileIndex, "1"},
  }};
  return table;
}

bool WriteDefaultSettings(SettingsStore& store) {
  if (!store.createKey(kSettingsKey)) return false;
  for (const auto& value : DefaultSettings())
    if (!store.writeValue(kSettingsKey, value.name, value.text)) return false;
  return true;
}

}  // namespace cq
