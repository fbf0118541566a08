#include "calc/electrical/ohms_law_networks_model.h"

#include <algorithm>

#include "platform/checked_math.h"

namespace cq {

namespace {
constexpr double kMilliPerUnit = 1000;
}  // namespace

double LedResistorOhms(double supplyVolts, double forwardVolts, double milliamps) {
  return Div(Sub(supplyVolts, forwardVolts), Div(milliamps, kMilliPerUnit));
}

double LedWattsAtCurrent(double supplyVolts, double forwardVolts, double milliamps) {
  return Mul(Sub(supplyVolts, forwardVolts), Div(milliamps, kMilliPerUnit));
}

double LedMilliamps(double supplyVolts, double forwardVolts, double ohms) {
  return Mul(Div(Sub(supplyVolts, forwardVolts), ohms), kMilliPerUnit);
}

std::size_t NetworkSize(int countItem) { return countItem == 2 ? 4 : countItem == 1 ? 3 : 2; }

double SeriesSum(std::span<const double> values) {
  double sum = 0;
  for (double v : values) sum = Add(sum, v);
  return sum;
}

double ParallelSum(std::span<const double> values) {
  double conductance = 0;
  for (double v : values) conductance = Add(conductance, Div(1, v));
  return Div(1, conductance);
}

PadTerms PadTermsFor(double zin, double zout, double attenuationDb) {
  const double k = Pow(10, Div(attenuationDb, 20));
  return {k, Pow(k, 2), std::max(zin, zout), std::min(zin, zout)};
}

double PiSqrtRatio(const PadTerms& t) { return Sqrt(Div(t.zmax, t.zmin)); }

double PiShuntAtLarger(const PadTerms& t, double sqrtRatio) {
  return Div(Mul(t.zmax, Sub(t.k2, 1)), Add(Sub(t.k2, Mul(Mul(2, t.k), sqrtRatio)), 1));
}

double PiShuntAtSmaller(const PadTerms& t, double sqrtRatio) {
  return Div(Mul(t.zmin, Sub(t.k2, 1)), Add(Sub(t.k2, Div(Mul(2, t.k), sqrtRatio)), 1));
}

double PiSeries(const PadTerms& t) { return Mul(Div(Sub(t.k2, 1), t.k), Mul(Sqrt(Mul(t.zmax, t.zmin)), 0.5)); }

double TShunt(const PadTerms& t) { return Mul(Div(t.k, Sub(t.k2, 1)), Mul(2, Sqrt(Mul(t.zmax, t.zmin)))); }

double TSeries(const PadTerms& t, double z, double shunt) {
  return Sub(Mul(Div(Add(t.k2, 1), Sub(t.k2, 1)), z), shunt);
}

}  // namespace cq
