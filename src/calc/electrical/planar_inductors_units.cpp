#include "calc/electrical/planar_inductors_page.h"

#include "options/units_conversion.h"

namespace cq {

namespace {
UnitsPage table() {
  // The page reads its inputs with a point or a comma, so the switch does too.
  UnitsPage page{"Planar Inductors", UnitBoxes({"Edit96", "Edit97", "Edit98", "Edit100", "Edit101"}, "mils", "um"),
                 {}};
  for (const FieldStep& field : {FieldStep{"Edit89", 30}, FieldStep{"Edit91", 31}, FieldStep{"Edit92", 32}})
    page.fields.push_back({.name = field.name, .kind = UnitsKind::Micrometre, .read = UnitsRead::AnyDecimal, .step = field.step});
  return page;
}
}  // namespace

const UnitsPage* PlanarInductorsPage::unitsTable() const {
  static const UnitsPage units = table();
  return &units;
}

}  // namespace cq
