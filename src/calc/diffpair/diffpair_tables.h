#pragma once
// The target impedances by protocol and the tolerance steps of the
// Differential Pairs page, as data.

namespace cq {

struct DifferentialProtocolTarget {
  const char* caption;
  const char* target;  // nullptr: "Custom" keeps the typed target
};
inline constexpr int kDifferentialProtocolCount = 18;
inline constexpr int kCustomProtocolItem = 17;
// Items 0 .. 17; throws std::out_of_range beyond them.
const DifferentialProtocolTarget& DifferentialProtocol(int item);

struct ZdiffToleranceStep {
  const char* caption;
  const char* commaCaption;
  double upperFactor;
  double lowerFactor;
};
inline constexpr int kZdiffToleranceSteps = 10;
inline constexpr int kZdiffToleranceStart = 4;
// Positions 0 .. 9; throws std::out_of_range beyond them.
const ZdiffToleranceStep& ZdiffTolerance(int position);

}  // namespace cq
