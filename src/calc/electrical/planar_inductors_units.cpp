#include "calc/electrical/planar_inductors_page.h"

#include "options/units_conversion.h"

namespace cq {

// The page reads its inputs with a point or a comma, so the switch does too.
const UnitsPage* PlanarInductorsPage::unitsTable() const {
  static const UnitsPage units{
      "Planar Inductors", UnitBoxes({"Edit96", "Edit97", "Edit98", "Edit100", "Edit101"}, "mils", "um"),
      FieldsLike({.kind = UnitsKind::Micrometre, .read = UnitsRead::AnyDecimal},
                 {"Edit89", "Edit91", "Edit92"})};
  return &units;
}

}  // namespace cq
