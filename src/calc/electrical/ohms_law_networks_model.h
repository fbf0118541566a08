#pragma once
// The Ohm's Law tabs' arithmetic: the LED series resistor, two to four
// resistors in series or in parallel and the resistive attenuator pads.
// Divisions by zero and bad roots raise as the floating-point unit traps.
// Each result has a function of its own so that the page can show it
// before the next one can fail.
#include <cstddef>
#include <span>

namespace cq {

// The resistor in ohms for a current in milliamperes, and its watts.
double LedResistorOhms(double supplyVolts, double forwardVolts, double milliamps);
double LedWattsAtCurrent(double supplyVolts, double forwardVolts, double milliamps);
// The current in milliamperes through a resistor in ohms.
double LedMilliamps(double supplyVolts, double forwardVolts, double ohms);

// How many values a network tab adds up: its count radio's items are "2",
// "3" and "4"; with no item it takes two.
std::size_t NetworkSize(int countItem);

double SeriesSum(std::span<const double> values);
double ParallelSum(std::span<const double> values);

// What both pads derive from their inputs. A pad below its minimum loss has
// a negative resistor: it is returned with its sign.
struct PadTerms {
  double k;   // voltage ratio of the attenuation
  double k2;  // k squared
  double zmax;
  double zmin;
};
PadTerms PadTermsFor(double zin, double zout, double attenuationDb);

// PI pad: the shunts at the larger and the smaller impedance and the series
// resistor between them; sqrtRatio is sqrt(zmax / zmin).
double PiSqrtRatio(const PadTerms& t);
double PiShuntAtLarger(const PadTerms& t, double sqrtRatio);
double PiShuntAtSmaller(const PadTerms& t, double sqrtRatio);
double PiSeries(const PadTerms& t);

// T pad: the shunt, then the series resistor on the side of impedance z.
double TShunt(const PadTerms& t);
double TSeries(const PadTerms& t, double z, double shunt);

}  // namespace cq
