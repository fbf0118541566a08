#include "calc/electrical/embedded_resistors_page.h"

#include "options/units_conversion.h"

namespace cq {

namespace {
// The two rectangular types take a width; the annular type takes a
// target resistance in the same field, which keeps its value.
const UnitsCondition kRectangular{"RadioGroup11", {0, 1}};
const UnitsCondition kAnnular{"RadioGroup11", {2}};
}  // namespace

const UnitsPage* EmbeddedResistorsPage::unitsTable() const {
  static const UnitsPage units{
      "Embedded Resistors",
      {{"Edit164", UnitsProperty::Text, "mils", "mm"},
       {"Edit165", UnitsProperty::Text, "mils", "mm", kRectangular},
       {"Edit165", UnitsProperty::Left, "140", "140", kRectangular},
       {"Edit165", UnitsProperty::Width, "37", "37", kRectangular},
       {"Edit165", UnitsProperty::Text, "Ohms", "Ohms", kAnnular},
       {"Edit165", UnitsProperty::Left, "124", "124", kAnnular},
       {"Edit165", UnitsProperty::Width, "53", "53", kAnnular},
       {"Edit154", UnitsProperty::Hint, "Enter the resistive value of the material per square inch.",
        "Enter the resistive value of the material per square mm."}},
      {{.name = "Edit157", .kind = UnitsKind::Length},
       {.name = "Edit158", .kind = UnitsKind::Length, .condition = kRectangular},
       // Towards Metric the sheet resistance comes right after the conductor width.
       {.name = "Edit154", .kind = UnitsKind::PerArea, .metricAfter = "Edit15"}}};
  return &units;
}

}  // namespace cq
