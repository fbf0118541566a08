#include "calc/diffpair/zdiff_tolerance.h"

namespace cq {

ZdiffFactors ComputeZdiffTolerance(const TrackBar& tolerance) {
  const ZdiffToleranceStep& step = ZdiffTolerance(tolerance.position());
  return {step.upperFactor, step.lowerFactor};
}

}  // namespace cq
