#pragma once
// Copper resistivity at the conductor temperature. Imperial in ohm-mil (ohm x
// square mils per mil), Metric in ohm x square mils per mm: either gives
// ohms times a length in the caller's unit over an area in square mils.

namespace cq {

inline constexpr double kCopperTempCoefficient = 0.00393;  // per degree C, from 20

// The base value of the band of Tc (degrees C), upper band edge inclusive.
// A Tc that is not a number gives NaN.
double CopperResistivityBands(double conductorTemp, bool metric);

// The base value corrected to Tc: ((Tc - 20) x 0.00393 + 1) x base.
double CopperResistivity(double conductorTemp, bool metric);

}  // namespace cq
