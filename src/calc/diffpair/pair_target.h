#pragma once
// The end of a differential-pair solve that needs no controls: the target's
// tolerance bounds, whether the pair meets them, and whether a width or
// spacing ratio lies where the formulas hold.
#include <string>

namespace cq {

struct ZdiffBounds {
  double upper;
  double lower;
};
ZdiffBounds TargetBounds(double target, double upperFactor, double lowerFactor);
// Both bounds count as within; a value that is no number traps.
bool ZdiffWithinTarget(double zdiff, const ZdiffBounds& bounds);

// W/H and S/H from 0.1 to 3.0, both included.
bool RatioInFormulaRange(double ratio);
// The ratio's printed text, with " Warning!" after it when out of range.
std::string RatioText(const std::string& printed, bool inRange);

}  // namespace cq
