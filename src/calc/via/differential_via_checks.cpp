#include "calc/via/differential_via_checks.h"

#include "platform/numbers.h"

namespace cq {

namespace {
constexpr double kOneMil = 1;
constexpr double kOneMilInMm = 0.0254;
constexpr double kTwoMils = 2;
constexpr double kTwoMilsInMm = 0.0508;

// Not larger than the hole: the vias touch at a spacing of one hole.
InputRule NotLargerThanHole(double hole, std::string_view message, std::string_view corrected) {
  return {[hole](double value) { return value <= hole; }, message, corrected, {}, FollowUp::ReadCorrected};
}
}  // namespace

std::string DifferentialViaSpacingText(double hole, bool metric) {
  return FormatGeneralFloat(hole + (metric ? kOneMilInMm : kOneMil));
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
