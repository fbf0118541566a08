#include "calc/diffpair/pair_coupling.h"

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {
double SaturationLength(double permittivity, double riseTimeNs, bool metric) {
  const double perInch = metric ? kMmPerInch : kMilsPerInch;
  return Mul(Mul(Div(kInchesPerNs, Sqrt(permittivity)), riseTimeNs / 2), perInch);
}

double OddModeImpedance(double zdiff) { return zdiff / 2; }

double EvenModeImpedance(double zo, double zodd) { return Div(Mul(zo, zo), zodd); }

double BackwardCouplingTerminated(double zeven, double zodd, double zo) {
  const double cross = Div(Mul(Mul(2, zeven), zodd), zo);
  return Div(Sub(zeven, zodd), Add(Add(zeven, zodd), cross));
}

double BackwardCouplingUnterminated(double zeven, double zodd) {
  return Div(Sub(zeven, zodd), Add(zeven, zodd));
}

double CouplingDecibels(double coupling) { return Mul(20, Log10(coupling)); }

double NearEndVoltage(double coupling, double coupledLength, double lsat, double appliedVoltage) {
  if (CheckNumber(coupledLength) < CheckNumber(lsat)) {
    return Mul(Mul(Div(coupledLength, lsat), coupling), appliedVoltage);
  }
  return Mul(appliedVoltage, coupling);
}

}  // namespace cq
