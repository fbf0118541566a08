#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage ErEffectiveUnits() { return {"Er Effective", MilsOrMm({"Edit222", "Edit223"}), Lengths({{"Edit25", 34}, {"Edit46", 35}})}; }

}  // namespace cq
