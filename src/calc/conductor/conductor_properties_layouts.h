#pragma once
// Conductor Properties page for "Internal Layer" and "External Layer": only
// an outer layer is plated.
#include "app/layouts/page_layout.h"

namespace cq {

inline constexpr int kExternalLayer = 1;

const LayoutTable& ConductorPropertiesLayouts();

}  // namespace cq
