#pragma once
// The Units switch tables of the pages, one per page (each in its own file).
#include <vector>

#include "options/units_conversion.h"

namespace cq {

UnitsPage ViaPropertiesUnits();
UnitsPage ConductorPropertiesUnits();
UnitsPage ManualCopperUnits();
UnitsPage DifferentialPairsUnits();
UnitsPage PadstackUnits();
UnitsPage ConductorImpedanceUnits();
UnitsPage ConversionCalculatorUnits();
UnitsPage FusingCurrentUnits();
UnitsPage PlanarInductorsUnits();
UnitsPage EmbeddedResistorsUnits();
UnitsPage ErEffectiveUnits();
UnitsPage MechanicalUnits();

// Every page the switch reaches.
std::vector<UnitsPage> AllUnitsPages();

}  // namespace cq
