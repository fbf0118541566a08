#include "calc/conductor/conductor_properties_page.h"

#include "options/units_conversion.h"

namespace cq {

namespace {
UnitsPage table() {
  UnitsPage page{"Conductor Properties", MilsOrMm({"Edit58", "Edit127", "Edit133"}),
                 Lengths({{"Edit18", 10}, {"Edit126", 25}, {"Edit132", 26}})};
  // In "Conductor Width" mode the width field holds a current; its unit box
  // belongs to the caption swap.
  page.fields.push_back({.name = "Edit15", .kind = UnitsKind::Length, .condition = {"RadioGroup8", {0}}, .step = 7});
  return page;
}
}  // namespace

const UnitsPage* ConductorPropertiesPage::unitsTable() const {
  static const UnitsPage units = table();
  return &units;
}

}  // namespace cq
