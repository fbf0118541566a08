#pragma once
// Centred stripline: one conductor halfway between two planes, H from each.
// Any one length unit in, Ohms out. The callers establish W > 0, H > 0,
// T >= 0 and Er > 1.

namespace cq {

double StriplineImpedance(double w, double h, double t, double er);

// ln(1.9 (2H + T) / (0.8 W + T)), the geometry term that the dual
// stripline shares; negative for a conductor much wider than 2H.
double StriplineGeometryLog(double w, double h, double t);

// Propagation delay of a line wholly in the dielectric, ps per inch; the
// dual stripline shares it.
double StriplineDelayPsPerInch(double er);

}  // namespace cq
