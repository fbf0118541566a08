#include "calc/electrical/conversion_page.h"

#include "options/units_conversion.h"

namespace cq {

// The unit system is the direction of the conversion: the outputs name
// the other system's units. The temperature input keeps its value.
const UnitsPage* ConversionPage::unitsTable() const {
  static const UnitsPage units{"Conversion Calculator",
                               {{"Edit82", UnitsProperty::Text, "mils", "mm"},
                                {"Edit83", UnitsProperty::Text, "mm", "mils"},
                                {"Edit144", UnitsProperty::Text, "in", "um"},
                                {"Edit145", UnitsProperty::Text, "um", "in"},
                                {"Edit86", UnitsProperty::Text, "\u00B0F", "\u00B0C"},
                                {"Edit87", UnitsProperty::Text, "\u00B0C", "\u00B0F"}},
                               Lengths({"Edit80"})};
  return &units;
}

}  // namespace cq
