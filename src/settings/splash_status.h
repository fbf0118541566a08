#pragma once
// The status texts under the splash's progress bar.
#include <optional>
#include <string_view>

namespace cq {

// The text for progress position p; nothing at the band edges (10, 20, ...,
// 80, 85, 90, 95, 100), where the text stays as it was.
std::optional<std::string_view> SplashStatusText(int position);

}  // namespace cq
