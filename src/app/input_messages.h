#pragma once
// Message texts that more than one page shows, written once.
#include <string_view>

namespace cq {

inline constexpr std::string_view kMinimumErMessage = "Minimum dielectric constant value can't be less than 1";
inline constexpr std::string_view kErAboveOneMessage = "Minimum Er value can't be less than or equal to 1";
inline constexpr std::string_view kWidthPositiveMessage = "Conductor width cannot be less than or equal to zero.";
inline constexpr std::string_view kHeightPositiveMessage = "Conductor height cannot be less than or equal to zero.";

}  // namespace cq
