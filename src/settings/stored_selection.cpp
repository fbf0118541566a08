#include "settings/stored_selection.h"

#include <algorithm>

#include "platform/numbers.h"
#include "settings/settings_values.h"

namespace cq {

void SelectStoredItem(RadioGroup& radio, int stored) {
  if (radio.count() == 0) return;
  radio.setItemIndex(std::clamp(stored, 0, radio.count() - 1));
}

CopperChoice StoredCopperChoice(SettingsStore& store, CopperChoice current) {
  return {TryTextToInt(ReadSetting(store, setting::kBaseWeight)).value_or(current.base),
          TryTextToInt(ReadSetting(store, setting::kPlateWeight)).value_or(current.plating)};
}

}  // namespace cq
