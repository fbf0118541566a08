#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage ConductorPropertiesUnits() {
  UnitsPage page{"Conductor Properties", MilsOrMm({"Edit58", "Edit127", "Edit133"}),
                 Lengths({{"Edit18", 10}, {"Edit126", 25}, {"Edit132", 26}})};
  // In "Conductor Width" mode the width field holds a current; its unit box
  // belongs to the caption swap.
  page.fields.push_back({.name = "Edit15", .kind = UnitsKind::Length, .condition = {"RadioGroup8", {0}}, .step = 7});
  return page;
}

}  // namespace cq
