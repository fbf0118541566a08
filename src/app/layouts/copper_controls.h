#pragma once
// The copper controls of the Options group that the structure layouts
// enable or disable together: each radio with its manual group and boxes.
#include <string_view>
#include <vector>

namespace cq {

inline const std::vector<std::string_view> kPlatingControls = {"RadioGroup1", "GroupBox32", "Edit138", "Edit139"};
inline const std::vector<std::string_view> kBaseCopperControls = {"RadioGroup4", "GroupBox31", "Edit136", "Edit137"};

}  // namespace cq
