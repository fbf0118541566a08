#include "calc/tline/conductor_impedance_page.h"

#include "options/units_conversion.h"

namespace cq {

const UnitsPage* ConductorImpedancePage::unitsTable() const {
  static const UnitsPage units{"Conductor Impedance", MilsOrMm({"Edit71", "Edit72", "Edit75"}),
                               Lengths({"Edit67", "Edit68", "Edit74"})};
  return &units;
}

}  // namespace cq
