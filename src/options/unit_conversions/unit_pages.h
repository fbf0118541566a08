#pragma once
// The Units switch tables of the pages, one per page (each in its own file).
#include <vector>

#include "options/units_conversion.h"

namespace cq {

UnitsPage ManualCopperUnits();

// Every page the switch reaches.
std::vector<UnitsPage> AllUnitsPages();

}  // namespace cq
