#include "calc/conductor/fusing_current_page.h"

#include "options/units_conversion.h"

namespace cq {

const UnitsPage* FusingCurrentPage::unitsTable() const {
  static const UnitsPage units{"Fusing Current", MilsOrMm({"Edit155"}), Lengths({"Edit140"})};
  return &units;
}

}  // namespace cq
