#pragma once
// Moves a unit text inside its input box and sets its text.
#include "calc/tline/signal_units.h"
#include "platform/controls.h"

namespace cq {

inline void PlaceUnitBox(Edit& box, const UnitBoxPlace& place) {
  box.setText(place.text);
  box.setLeft(place.left);
  box.setWidth(place.width);
}

}  // namespace cq
