#pragma once
// The IPC current-capacity relation and the factors that scale it. The power
// laws take areas in square mils; a Metric caller converts with
// kSqMilsPerSqMm. Powers and products use the checked operations, so a bad
// argument shows the maths-error box and a trapping operation ends the solve.
#include <optional>

#include "platform/unit_factors.h"

namespace cq {

inline constexpr double kIpcTempRiseExponent = 0.44;
inline constexpr double kIpcAreaExponent = 0.725;
inline constexpr double kIpcK = 0.024;
// Conductor Properties, external layer under IPC-2221A.
inline constexpr double kIpcKExternal2221A = 0.048;

// I = A^0.725 x (k x dT^0.44) x modifiers, in amperes. A caller whose factors
// must be multiplied in one after another passes 1 and applies them itself.
double IpcCurrentFormula(double areaSqMils, double tempRise, double k, double modifiers);

// The inverse without modifiers: A = (I / (k x dT^0.44))^(1 / 0.725), in
// square mils. A zero temperature rise divides by zero and raises.
double IpcCurrentFormulaInverse(double current, double tempRise, double k);

// AreaModifier = coefficient x Asm^exponent, the band chosen by dT.
struct AreaModifierBand {
  double coefficient;
  double exponent;
  friend bool operator==(const AreaModifierBand&, const AreaModifierBand&) = default;
};

// Nothing when dT is not a number: no band holds.
std::optional<AreaModifierBand> AreaModifierBands(double tempRise);

// The cross-section modifier of the area (square mils, or square mm taken
// x 1550) at dT. Nothing when dT is not a number: the caller keeps its
// previous AreaModifier.
std::optional<double> CalcAreaModifierSqMils(double areaSqMils, double tempRise);
std::optional<double> CalcAreaModifierSqMm(double areaSqMm, double tempRise);

// The factor of the board thickness (or via height) H, in mils or mm, lower
// band edge inclusive. A value that is not a number gives NaN.
double BoardThicknessModifier(double height, bool metric);

inline constexpr int kPlaneHalfOrOneOunce = 0;  // RadioGroup5 "0.5oz / 1oz"
inline constexpr int kPlaneTwoOunce = 1;        // RadioGroup5 "2oz"

// The factor of the distance D to a plane, in mils or mm, lower band edge
// inclusive, in the column of the plane item. 1.0 without a plane. Nothing
// when a plane is present and the item names no column; NaN for a D that is
// not a number.
std::optional<double> PlaneProximityModifier(bool planePresent, int planeItem, double distance,
                                             bool metric);

}  // namespace cq
