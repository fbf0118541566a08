#pragma once
// The Conductor Properties arithmetic that the IPC model does not hold: the
// cross-section by etch factor, the skin depth and the power in dBm. Plain
// numbers in, plain numbers out; the unit system is the caller's.
#include <optional>

namespace cq {

// TForm6.RadioGroup2 items.
inline constexpr int kEtchOneToOne = 0;
inline constexpr int kEtchTwoToOne = 1;
inline constexpr int kEtchNone = 2;

// The cross-section of a conductor of width W and thickness T, or the total
// of count conductors side by side. Nothing for an item outside the three.
std::optional<double> EtchedCrossSection(int etchItem, double width, double thickness, bool parallel, double count);

// Skin depth in metres at a frequency in MHz. A frequency of exactly zero
// divides by zero and raises; a negative one has no real depth (NaN, with
// the maths-error box).
double SkinDepthMetres(double frequencyMHz);

// 10 x log10(P / 1 mW).
double PowerDbm(double watts);

}  // namespace cq
