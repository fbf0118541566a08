#pragma once
// Signal bandwidth from a rise time and the longest conductor that still
// need not be treated as a transmission line.
#include <optional>

#include "calc/tline/signal_units.h"
#include "calc/tline/wavelength_model.h"

namespace cq {

// A step of the rise-distance fraction track bar.
struct SrDivisorStep {
  double factor;
  const char* pointCaption;
  const char* commaCaption;
};
// Positions 0 .. 6; throws std::out_of_range beyond them.
const SrDivisorStep& SrDivisorStepAt(int position);

// A step of the wavelength fraction track bar.
struct LambdaDivisorStep {
  double factor;
  const char* caption;
};
// Positions 0 .. 3; throws std::out_of_range beyond them.
const LambdaDivisorStep& LambdaDivisorStepAt(int position);

// The unit text beside the input for a frequency unit item.
std::optional<UnitBoxPlace> BandwidthFrequencyUnitBox(int item);
inline constexpr UnitBoxPlace kRiseTimeUnitBox = {"ns", 146, 28};
inline constexpr UnitBoxPlace kFrequencyModeUnitBox = {"MHz", 132, 42};

// Bandwidth in MHz of a pulse with this rise time in ns (0 raises the
// division-by-zero error).
double SignalBandwidthMhz(double riseNs);
// Effective permittivity that the rise distance uses for a microstrip.
double MicrostripRiseEr(double er);
// Distance in metres a signal travels during the rise time.
double RiseDistanceMetres(double riseNs, double effectiveEr);
// That distance times factor, in inches (or centimetres when metric).
double RiseDistanceLength(double riseDistanceMetres, double factor, bool metric);
// Propagation speed in m/s in a substrate of that Er.
double PropagationSpeed(double er);

}  // namespace cq
