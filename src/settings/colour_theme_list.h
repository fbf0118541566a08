#pragma once
// The colour-theme list of the Program Options window: the system style
// "Windows" first, then the styles the program carries, in the order the
// style service gives them. The stored theme is the position in this list.
#include <string>
#include <vector>

namespace cq {

inline constexpr const char* kSystemStyle = "Windows";

std::vector<std::string> ColourThemeList(const std::vector<std::string>& registeredStyles);

}  // namespace cq
