#pragma once
// Putting stored item indexes back into radio groups. A stored index is
// only a text under the settings key: it may point past the items the radio
// has now, or be no number at all in a damaged key.
#include "platform/controls.h"
#include "platform/services.h"

namespace cq {

// Selects the item a stored index stands for: an index past the last item
// selects the last one, an index below the first the first. The radio's
// click handler runs when the selection changes.
void SelectStoredItem(RadioGroup& radio, int stored);

// The items the base-copper and plating radios should show.
struct CopperChoice {
  int base;
  int plating;
};

// The copper choices under the settings key; a value that is missing or no
// integer gives the item of `current` instead.
CopperChoice StoredCopperChoice(SettingsStore& store, CopperChoice current);

}  // namespace cq
