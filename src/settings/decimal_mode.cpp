#include "settings/decimal_mode.h"

namespace cq {

void ReadDecimalSeparator(Locale& locale, Label& decimalMode) {
  decimalMode.setCaption(locale.decimalSeparator() == "," ? "1" : "0");
}

}  // namespace cq
