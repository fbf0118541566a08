#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage ManualCopperUnits() {
  // The boxes start with the description's point-form defaults, which a
  // start in Metric converts before any locale form is written; so either
  // separator is read here.
  return {"Manual copper", UnitBoxes({"Edit137", "Edit139"}, "mils", "um"),
          {{.name = "Edit136", .kind = UnitsKind::Micrometre, .read = UnitsRead::AnyDecimal},
           {.name = "Edit138", .kind = UnitsKind::Micrometre, .read = UnitsRead::AnyDecimal}}};
}

}  // namespace cq
