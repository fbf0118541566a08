#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage PlanarInductorsUnits() {
  // The page reads its inputs with a point or a comma, so the switch does too.
  UnitsPage page{"Planar Inductors", UnitBoxes({"Edit96", "Edit97", "Edit98", "Edit100", "Edit101"}, "mils", "um"),
                 {}};
  for (const FieldStep& field : {FieldStep{"Edit89", 30}, FieldStep{"Edit91", 31}, FieldStep{"Edit92", 32}})
    page.fields.push_back({.name = field.name, .kind = UnitsKind::Micrometre, .read = UnitsRead::AnyDecimal, .step = field.step});
  return page;
}

}  // namespace cq
