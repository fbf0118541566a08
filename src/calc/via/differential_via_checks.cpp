#include "calc/via/differential_via_checks.h"

#include "platform/numbers.h"
#include "platform/unit_factors.h"

namespace cq {

namespace {
constexpr double kOneMil = 1;
constexpr double kTwoMils = 2;
// Doubling is exact: the double of 0.0508 itself.
constexpr double kTwoMilsInMm = kTwoMils * kMmPerMil;

// Not larger than the hole: the vias touch at a spacing of one hole.
InputRule NotLargerThanHole(double hole, std::string_view message, std::string_view corrected) {
  return {[hole](double value) { return value <= hole; }, message, corrected, {}, FollowUp::ReadCorrected};
}
}  // namespace

std::string DifferentialViaSpacingText(double hole, bool metric) {
  return FormatGeneralFloat(hole + (metric ? kMmPerMil : kOneMil));
}

std::string DifferentialViaOpeningText(double hole, bool metric) {
  return FormatGeneralFloat(hole + (metric ? kTwoMilsInMm : kTwoMils));
}

InputRule DifferentialViaSpacingRule(double hole, std::string_view corrected) {
  return NotLargerThanHole(hole, kViaSpacingMessage, corrected);
}

InputRule DifferentialViaOpeningRule(double hole, std::string_view corrected) {
  return NotLargerThanHole(hole, kGndClearanceMessage, corrected);
}

}  // namespace cq
