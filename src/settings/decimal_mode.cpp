#include "settings/decimal_mode.h"

namespace cq {

bool UsesDecimalComma(Locale& locale) { return locale.decimalSeparator() == ","; }

}  // namespace cq
