#pragma once
// Conductor Impedance page for its six structures, "Microstrip" to
// "Coplanar Wave": pictures, height captions and hints, shown inputs,
// results and formula notes, and which copper controls apply.
#include "app/layouts/page_layout.h"

namespace cq {

inline constexpr int kMicrostrip = 0;
inline constexpr int kStriplineAsym = 3;
inline constexpr int kCoplanarWave = 5;
// A coplanar wave guide is solved for 1oz plating on 0.5oz base copper.
inline constexpr int kCoplanarPlatingItem = 2;
inline constexpr int kCoplanarBaseItem = 1;

const LayoutTable& ImpedanceLayouts();

}  // namespace cq
