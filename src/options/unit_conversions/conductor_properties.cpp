#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage ConductorPropertiesUnits() {
  UnitsPage page{"Conductor Properties", MilsOrMm({"Edit58", "Edit127", "Edit133"}),
                 Lengths({"Edit18", "Edit126", "Edit132"})};
  // In "Conductor Width" mode the width field holds a current; its unit box
  // belongs to the caption swap.
  page.fields.push_back({"Edit15", UnitsKind::Length, UnitsRead::Locale, false, {"RadioGroup8", {0}}});
  return page;
}

}  // namespace cq
