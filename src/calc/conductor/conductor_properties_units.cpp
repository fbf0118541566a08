#include "calc/conductor/conductor_properties_page.h"

#include "options/units_conversion.h"

namespace cq {

const UnitsPage* ConductorPropertiesPage::unitsTable() const {
  static const UnitsPage units{
      "Conductor Properties", MilsOrMm({"Edit58", "Edit127", "Edit133"}),
      Joined(Lengths({"Edit18", "Edit126", "Edit132"}),
             // In "Conductor Width" mode the width field holds a current; its unit box
             // belongs to the caption swap.
             {{.name = "Edit15", .kind = UnitsKind::Length, .condition = {"RadioGroup8", {0}}}})};
  return &units;
}

}  // namespace cq
