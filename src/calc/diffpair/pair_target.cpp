#include "calc/diffpair/pair_target.h"

#include "platform/checked_math.h"

namespace cq {

ZdiffBounds TargetBounds(double target, double upperFactor, double lowerFactor) {
  return {Mul(target, upperFactor), Mul(target, lowerFactor)};
}

bool ZdiffWithinTarget(double zdiff, const ZdiffBounds& bounds) {
  const double z = CheckNumber(zdiff);
  return CheckNumber(bounds.lower) <= z && z <= CheckNumber(bounds.upper);
}

bool RatioInFormulaRange(double ratio) {
  const double r = CheckNumber(ratio);
  return r >= 0.1 && r <= 3.0;
}

std::string RatioText(const std::string& printed, bool inRange) {
  return inRange ? printed : printed + " Warning!";
}

}  // namespace cq
