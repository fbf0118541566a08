#pragma once
// Via Properties page for the " Property Selection " radio: single vias
// or a differential pair, one column each.
#include "app/layouts/page_layout.h"

namespace cq {

inline constexpr int kSingleViaLayout = 0;
inline constexpr int kDifferentialViaLayout = 1;
inline constexpr int kViaSelectionCount = 2;

const LayoutTable& ViaSelectionLayouts();

}  // namespace cq
