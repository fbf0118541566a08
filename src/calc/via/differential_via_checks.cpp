#include "calc/via/differential_via_checks.h"

#include "platform/numbers.h"

namespace cq {

namespace {
constexpr double kOneMil = 1;
constexpr double kOneMilInMm = 0.0254;
constexpr double kTwoMils = 2;
constexpr double kTwoMilsInMm = 0.0508;
}  // namespace

std::optional<DifferentialViaNotice> DifferentialViaSpacingNotice(double spacing, double hole, bool metric) {
  // The vias touch at a spacing of one hole; the rewrite clears them by a mil.
  if (spacing > hole) return std::nullopt;
  return DifferentialViaNotice{DifferentialViaField::Spacing,
                               "Minimum via spacing can't be less than or equal to via hole diameter",
                               FormatGeneralFloat(hole + (metric ? kOneMilInMm : kOneMil))};
}

std::optional<DifferentialViaNotice> DifferentialViaOpeningNotice(DifferentialViaField field, double opening,
                                                                  double hole, bool metric) {
  if (opening > hole) return std::nullopt;
  return DifferentialViaNotice{field, "Minimum gnd clearance can't be less than or equal to via hole diameter",
                               FormatGeneralFloat(hole + (metric ? kTwoMilsInMm : kTwoMils))};
}

}  // namespace cq
