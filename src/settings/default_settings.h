#pragma once
// The installed settings: the fourteen values the settings script writes,
// in the script's order. The program has no other default for any value;
// the script writer and the first start both take them from here.
#include <array>

#include "platform/services.h"

namespace cq {

struct DefaultSetting {
  const char* name;
  const char* text;
};

inline constexpr std::size_t kDefaultSettingCount = 14;

const std::array<DefaultSetting, kDefaultSettingCount>& DefaultSettings();

// What importing the script does: creates the settings key and writes every
// value into it. False when the key cannot be created or a value is
// refused; the values written before stay.
bool WriteDefaultSettings(SettingsStore& store);

}  // namespace cq
