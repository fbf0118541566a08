#pragma once
// The coupling figures every differential structure derives from its
// single-ended and differential impedances, one step at a time so that a
// page can show each result before the next one may fail.

namespace cq {

// Saturation length of the rise time (ns) in a medium of permittivity e:
// mils, or mm when metric.
double SaturationLength(double permittivity, double riseTimeNs, bool metric);

double OddModeImpedance(double zdiff);
double EvenModeImpedance(double zo, double zodd);
// Kb, the backward coupling of the terminated pair.
double BackwardCouplingTerminated(double zeven, double zodd, double zo);
// Kb', the backward coupling of the unterminated pair.
double BackwardCouplingUnterminated(double zeven, double zodd);
double CouplingDecibels(double coupling);
// Near-end crosstalk voltage: scaled by coupledLength / lsat below the
// saturation length, the full coupling from it on.
double NearEndVoltage(double coupling, double coupledLength, double lsat, double appliedVoltage);

}  // namespace cq
