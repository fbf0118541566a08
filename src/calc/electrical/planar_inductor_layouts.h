#pragma once
// Planar Inductors page: the picture of the geometry "Square",
// "Hexagonal", "Octagonal" or "Circular".
#include "app/layouts/page_layout.h"

namespace cq {

const LayoutTable& InductorLayouts();

}  // namespace cq
