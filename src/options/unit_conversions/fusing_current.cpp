#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage FusingCurrentUnits() { return {"Fusing Current", MilsOrMm({"Edit155"}), Lengths({{"Edit140", 27}})}; }

}  // namespace cq
