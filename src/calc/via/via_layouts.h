#pragma once
// Via Properties page for the layer sets "2 Layer", "Multi Layer",
// "Microvia": pictures, shown rows and outputs, and row positions.
#include "app/layouts/page_layout.h"

namespace cq {

const LayoutTable& ViaLayouts();

}  // namespace cq
