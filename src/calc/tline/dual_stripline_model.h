#pragma once
// Dual stripline: two signal layers C apart between two planes, each
// conductor H from its plane. Any one length unit in (the page uses mils),
// Ohms out. The callers establish W > 0, H > 0, C > 0, T >= 0, Er > 1.
// A conductor wider than the logarithm allows gives a negative Zo, written
// as it is.

namespace cq {

double DualStriplineImpedance(double w, double h, double c, double t, double er);

}  // namespace cq
