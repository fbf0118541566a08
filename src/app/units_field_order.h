#pragma once
// The one order in which the Units switch converts the fields of all pages
// (towards Imperial; a row's metricAfter moves it towards Metric). A new
// field is its name at its place here and its row in its page's table:
// nothing else is renumbered.
#include <span>
#include <string_view>

namespace cq {

std::span<const std::string_view> UnitsFieldOrder();

}  // namespace cq
