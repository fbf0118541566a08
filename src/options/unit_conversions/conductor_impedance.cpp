#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage ConductorImpedanceUnits() {
  return {"Conductor Impedance", MilsOrMm({"Edit71", "Edit72", "Edit75"}), Lengths({"Edit67", "Edit68", "Edit74"})};
}

}  // namespace cq
