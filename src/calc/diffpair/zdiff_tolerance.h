#pragma once
// The tolerance factors that the track bar's position selects.
#include "calc/diffpair/diffpair_tables.h"
#include "platform/controls.h"

namespace cq {

struct ZdiffFactors {
  double upper;
  double lower;
};

ZdiffFactors ComputeZdiffTolerance(const TrackBar& tolerance);

}  // namespace cq
