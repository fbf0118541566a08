#include "calc/conductor/fusing_current_page.h"

#include "options/units_conversion.h"

namespace cq {

namespace {
UnitsPage table() {
  return {"Fusing Current", MilsOrMm({"Edit155"}), Lengths({{"Edit140", 27}})};
}
}  // namespace

const UnitsPage* FusingCurrentPage::unitsTable() const {
  static const UnitsPage units = table();
  return &units;
}

}  // namespace cq
