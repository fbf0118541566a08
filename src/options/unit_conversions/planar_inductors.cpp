#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage PlanarInductorsUnits() {
  // The page reads its inputs with a point or a comma, so the switch does too.
  UnitsPage page{"Planar Inductors", UnitBoxes({"Edit96", "Edit97", "Edit98", "Edit100", "Edit101"}, "mils", "um"),
                 {}};
  for (const char* name : {"Edit89", "Edit91", "Edit92"})
    page.fields.push_back({name, UnitsKind::Micrometre, UnitsRead::AnyDecimal});
  return page;
}

}  // namespace cq
