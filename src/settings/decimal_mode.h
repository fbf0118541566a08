#pragma once
// The program-wide decimal mode, kept in the hidden main-window label
// Label165: "0" decimal point, "1" decimal comma. It is set once per run
// from the user's locale, before any calculator is activated.
#include "platform/controls.h"
#include "platform/services.h"

namespace cq {

// A comma makes the mode "1"; every other separator, an empty or unusual
// one included, counts as a point, so that numbers are always written in a
// known form. The number conversion made the same choice at program entry.
void ReadDecimalSeparator(Locale& locale, Label& decimalMode);

}  // namespace cq
