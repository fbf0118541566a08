#include "calc/conductor/total_copper_text.h"

#include "platform/checked_math.h"

namespace cq {

void ShowTotalCopper(const PageContext& page, Label& label, double thickness, bool metric, UmOverflow overflow,
                     const char* umFormat) {
  if (!metric) {
    page.show(label, "%.2f mils", thickness);
    return;
  }
  const double um = overflow == UmOverflow::Raises ? Mul(thickness, 1000) : thickness * 1000;
  page.show(label, umFormat, um);
}

}  // namespace cq
