#include "calc/via/mechanical_page.h"

#include "options/units_conversion.h"

namespace cq {

// No value to convert: the thread chart of the unit system shows, and the
// wire resistance names its length.
const UnitsPage* MechanicalPage::unitsTable() const {
  static const UnitsPage units{"Mechanical Information",
                               {{"GroupBox19", UnitsProperty::Visible, "1", "0"},
                                {"GroupBox46", UnitsProperty::Visible, "0", "1"},
                                {"Label200", UnitsProperty::Text, "Ohms per 1000'", "Ohms per km"}},
                               {}};
  return &units;
}

}  // namespace cq
