#include "options/unit_conversions/unit_pages.h"

namespace cq {

std::vector<UnitsPage> AllUnitsPages() {
  return {ViaPropertiesUnits(),      ConductorPropertiesUnits(), ManualCopperUnits(),  DifferentialPairsUnits(),
          PadstackUnits(),           ConductorImpedanceUnits(),  ConversionCalculatorUnits(), FusingCurrentUnits(),
                          PlanarInductorsUnits(),     EmbeddedResistorsUnits(),    ErEffectiveUnits(),
          MechanicalUnits()};
}

}  // namespace cq
