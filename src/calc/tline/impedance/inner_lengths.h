#pragma once
// The length units the inner-layer blocks hand their formulas.

namespace cq {

inline constexpr double kMmPerInch = 25.4;

inline double MmToMils(double mm) { return mm / kMmPerInch * 1000; }
inline double MmToInches(double mm) { return mm / kMmPerInch; }
inline double MilsToInches(double mils) { return mils / 1000; }

}  // namespace cq
