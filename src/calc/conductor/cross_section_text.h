#pragma once
// The cross-section as the conductor pages show it, before the decimal
// point is localized: square mils with two decimals, square mm with four.
#include <string>

namespace cq {

std::string CrossSectionText(double area, bool metric);

}  // namespace cq
