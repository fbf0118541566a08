#pragma once
// The length units the inner-layer blocks hand their formulas.
#include "calc/unit_factors.h"

namespace cq {

inline double MmToMils(double mm) { return mm / kMmPerInch * kMilsPerInch; }
inline double MmToInches(double mm) { return mm / kMmPerInch; }
inline double MilsToInches(double mils) { return mils / kMilsPerInch; }

}  // namespace cq
