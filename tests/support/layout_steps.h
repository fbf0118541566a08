#pragma once
// Reading a page layout table's cells against the window.
#include <string>

#include "app/layouts/page_layout.h"

namespace cq::test {

// A cell as the control would show it: its text or its number.
std::string CellText(const LayoutCell& cell);
// What the control shows of the property, in the same form.
std::string Shown(const Control& c, LayoutProperty property);

}  // namespace cq::test
