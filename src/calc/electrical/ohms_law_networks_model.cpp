#include "calc/electrical/ohms_law_networks_model.h"

#include <algorithm>

#include "platform/checked_math.h"

namespace cq {

namespace {
constexpr double kMilliPerUnit = 1000;

struct PadTerms {
  double k;
  double zmax;
  double zmin;
};

PadTerms Terms(double zin, double zout, double attenuationDb) {
  return {Pow(10, Div(attenuationDb, 20)), std::max(zin, zout), std::min(zin, zout)};
}
}  // namespace

LedBias LedResistorFromCurrent(double supplyVolts, double forwardVolts, double milliamps) {
  const double drop = Sub(supplyVolts, forwardVolts);
  const double amps = Div(milliamps, kMilliPerUnit);
  return {Div(drop, amps), Mul(drop, amps)};
}

LedBias LedCurrentFromResistor(double supplyVolts, double forwardVolts, double ohms) {
  const double drop = Sub(supplyVolts, forwardVolts);
  const double milliamps = Mul(Div(drop, ohms), kMilliPerUnit);
  return {milliamps, Mul(drop, Div(milliamps, kMilliPerUnit))};
}

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

PadResistors PiPad(double zin, double zout, double attenuationDb) {
  const PadTerms t = Terms(zin, zout, attenuationDb);
  const double k2 = Pow(t.k, 2);
  const double s = Sqrt(Div(t.zmax, t.zmin));
  const double k2m1 = Sub(k2, 1);
  return {Div(Mul(t.zmax, k2m1), Add(Sub(k2, Mul(Mul(2, t.k), s)), 1)),
          Div(Mul(t.zmin, k2m1), Add(Sub(k2, Div(Mul(2, t.k), s)), 1)),
          Mul(Div(k2m1, t.k), Mul(Sqrt(Mul(t.zmax, t.zmin)), 0.5))};
}

PadResistors TPad(double zin, double zout, double attenuationDb) {
  const PadTerms t = Terms(zin, zout, attenuationDb);
  const double k2 = Pow(t.k, 2);
  const double shunt = Mul(Div(t.k, Sub(k2, 1)), Mul(2, Sqrt(Mul(t.zmax, t.zmin))));
  const double ratio = Div(Add(k2, 1), Sub(k2, 1));
  return {Sub(Mul(ratio, t.zmax), shunt), Sub(Mul(ratio, t.zmin), shunt), shunt};
}

}  // namespace cq
