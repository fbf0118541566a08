#pragma once
// Differential Pairs page for its six structures, "Edge Cpld Ext" to
// "Broad Cpld NShld": pictures, height rows and hints, the rows below them,
// the single-conductor result and the plating controls.
#include "app/layouts/page_layout.h"

namespace cq {

inline constexpr int kEdgeCoupledExternal = 0;

const LayoutTable& DifferentialLayouts();

}  // namespace cq
