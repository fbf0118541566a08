#pragma once
// Message texts that more than one page shows, written once.
#include <string_view>

namespace cq {

inline constexpr std::string_view kMinimumErMessage = "Minimum dielectric constant value can't be less than 1";

}  // namespace cq
