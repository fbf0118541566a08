#pragma once
// Program-wide working values that the pre-solve steps and the calculators
// hand each other. All start at 0.
namespace cq {

struct WorkingValues {
  // Degrees C, from the Options panel; the F twins beside them.
  double TempRise = 0;
  double AmbientTemp = 0;
  double ConductorTemp = 0;
  double TempRiseF = 0;
  double AmbientTempF = 0;
  double ConductorTempF = 0;
  // Glass-transition temperature, read by the status-bar timer only.
  double MaterialTg = 0;

  double ConductorWidth = 0;
  double ConductorSpacing = 0;
  double ConductorHeight = 0;
  double BaseCopperThickness = 0;
  double PlatingThickness = 0;
  double TotalCopperThickness = 0;
  double SubstrateEr = 0;
  double CrossSectionArea = 0;
  double CharacteristicImpedance = 0;
  double DifferentialImpedance = 0;
  double SubstrateModifier = 0;
  double AreaModifier = 0;
  double CopperResistivity = 0;
};

}  // namespace cq
