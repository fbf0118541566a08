#include "calc/conductor/pdn_model.h"

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {

namespace {
constexpr double kPercent = 100;
constexpr double kFreeSpacePfPerInch = 0.225;
constexpr double kPfPerFarad = 1000000000000;
}  // namespace

double PercentToFraction(double percent) { return Div(percent, kPercent); }

double PdnTargetImpedance(double volts, double ripple, double current, double transientShare) {
  return Div(Mul(volts, ripple), Mul(current, transientShare));
}

double PlaneCapacitanceImperial(double er, double areaSqIn, double distanceIn) {
  return Div(Mul(Mul(kFreeSpacePfPerInch, er), areaSqIn), distanceIn);
}

double PlaneCapacitanceMetric(double er, double areaSqMm, double distanceMm) {
  return Div(Mul(Mul(kFreeSpacePfPerInch, er), Mul(areaSqMm, kSqInPerSqMm)), MmToInches(distanceMm));
}

double PlaneReactance(double frequencyMHz, double capacitancePf) {
  return Div(1, Mul(Mul(Mul(frequencyMHz, kHzPerMhz), kTwoPi), Div(capacitancePf, kPfPerFarad)));
}

}  // namespace cq
