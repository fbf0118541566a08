#pragma once
// The limits of the differential-via inputs: the spacing and both plane
// opening sides must be larger than the hole. A refused value is replaced
// by the hole plus one mil (spacing) or two mils (opening), or their mm, and
// the solve goes on with the rewritten text.
#include <string>
#include <string_view>

#include "app/input_check.h"

namespace cq {

inline constexpr std::string_view kViaSpacingMessage =
    "Minimum via spacing can't be less than or equal to via hole diameter";
inline constexpr std::string_view kGndClearanceMessage =
    "Minimum gnd clearance can't be less than or equal to via hole diameter";

// The rewritten texts.
std::string DifferentialViaSpacingText(double hole, bool metric);
std::string DifferentialViaOpeningText(double hole, bool metric);

// The rules; `corrected` must outlive the check. Both opening sides share one.
InputRule DifferentialViaSpacingRule(double hole, std::string_view corrected);
InputRule DifferentialViaOpeningRule(double hole, std::string_view corrected);

}  // namespace cq
