#pragma once
// The program-wide decimal mode, kept by the main window: decimal point or
// decimal comma. It is set once per run from the user's locale, before any
// calculator is activated.
#include "platform/services.h"

namespace cq {

// A comma gives the comma mode; every other separator, an empty or unusual
// one included, counts as a point, so that numbers are always written in a
// known form. The number conversion made the same choice at program entry.
bool UsesDecimalComma(Locale& locale);

}  // namespace cq
