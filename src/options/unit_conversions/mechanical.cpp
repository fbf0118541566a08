#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage MechanicalUnits() {
  // No value to convert: the thread chart of the unit system shows, and the
  // wire resistance names its length.
  return {"Mechanical Information",
          {{"GroupBox19", UnitsProperty::Visible, "1", "0"},
           {"GroupBox46", UnitsProperty::Visible, "0", "1"},
           {"Label200", UnitsProperty::Text, "Ohms per 1000'", "Ohms per km"}},
          {}};
}

}  // namespace cq
