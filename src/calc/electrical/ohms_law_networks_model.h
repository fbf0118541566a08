#pragma once
// The Ohm's Law tabs' arithmetic: the LED series resistor, two to four
// resistors in series or in parallel and the resistive attenuator pads.
// Divisions by zero and bad roots raise as the floating-point unit traps.
#include <span>

namespace cq {

// The resistor in ohms for a current in milliamperes, or the current in
// milliamperes for a resistor in ohms; watts in the resistor either way.
struct LedBias {
  double value;
  double watts;
};
LedBias LedResistorFromCurrent(double supplyVolts, double forwardVolts, double milliamps);
LedBias LedCurrentFromResistor(double supplyVolts, double forwardVolts, double ohms);

double SeriesSum(std::span<const double> values);
double ParallelSum(std::span<const double> values);

// The three resistors of a pad, at Zin, at Zout and the third (the series
// one of a PI pad, the shunt of a T pad). A pad below its minimum loss has
// a negative resistor: it is returned with its sign.
struct PadResistors {
  double atLarger;   // at max(Zin, Zout)
  double atSmaller;  // at min(Zin, Zout)
  double third;
};
PadResistors PiPad(double zin, double zout, double attenuationDb);
PadResistors TPad(double zin, double zout, double attenuationDb);

}  // namespace cq
