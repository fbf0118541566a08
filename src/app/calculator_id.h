#pragma once
// The nineteen calculators by name. The numbers are the tab indexes and the
// values stored under "Program", so they never change.
#include <array>

namespace cq {

enum class CalculatorId : int {
  Bandwidth = 0,
  ConductorImpedance = 1,
  ConductorProperties = 2,
  Conversion = 3,
  DifferentialPairs = 4,
  EmbeddedResistors = 5,
  ErEffective = 6,
  FusingCurrent = 7,
  Mechanical = 8,
  MinSpacing = 9,
  OhmsLaw = 10,
  Padstack = 11,
  Pdn = 12,
  PlanarInductors = 13,
  PpmXtal = 14,
  ThermalManagement = 15,
  ViaProperties = 16,
  Wavelength = 17,
  XlXcReactance = 18,
};

inline constexpr int kCalculatorCount = 19;

// The tab index and stored value of a calculator.
constexpr int Index(CalculatorId id) { return static_cast<int>(id); }

}  // namespace cq
