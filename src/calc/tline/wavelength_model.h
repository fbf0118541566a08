#pragma once
// Wavelength of a signal in a medium of a given effective permittivity.
#include <optional>

#include "calc/tline/signal_units.h"

namespace cq {

// A step of the wavelength-fraction track bar: the fraction and its text.
struct WavelengthFraction {
  double fraction;
  const char* text;
};
inline constexpr int kWavelengthFractionSteps = 9;
// Positions 0 .. 8; throws std::out_of_range beyond them.
const WavelengthFraction& WavelengthFractionStep(int position);

// The input read as a period ("ns", "ps") or a frequency ("GHz" .. "Hz"),
// brought to MHz. A period of 0 raises the division-by-zero error. Nothing
// for a unit item the input method does not have.
std::optional<double> WavelengthInputToMhz(bool period, int unitItem, double value);
// The unit text shown inside the input box for that method and unit item.
std::optional<UnitBoxPlace> WavelengthUnitBox(bool period, int unitItem);

// Full wavelength in inches (or centimetres when metric) at mhz in a medium
// of effective permittivity eeff. A zero frequency or permittivity raises
// the division-by-zero error; a negative permittivity gives a NaN after the
// square root's domain error.
double Wavelength(double eeff, double mhz, bool metric);
inline double WavelengthInAir(double mhz, bool metric) { return Wavelength(1, mhz, metric); }

}  // namespace cq
