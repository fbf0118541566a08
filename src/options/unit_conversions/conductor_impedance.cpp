#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage ConductorImpedanceUnits() {
  return {"Conductor Impedance", MilsOrMm({"Edit71", "Edit72", "Edit75"}), Lengths({{"Edit67", 21}, {"Edit68", 22}, {"Edit74", 23}})};
}

}  // namespace cq
