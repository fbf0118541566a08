#pragma once
// Units shared by the signal calculators: the frequency units that bring an
// input to MHz, the light speed, and where a unit box sits in its field.
#include <optional>

namespace cq {

inline constexpr double kLightSpeed = 299792458;  // m/s

// The multiplier of a frequency unit item ("GHz", "MHz", "KHz", "Hz") that
// brings a value to MHz; nothing for an item outside the list.
std::optional<double> FrequencyUnitScale(int item);

// A read-only unit text drawn inside an input box: its text, left and width.
struct UnitBoxPlace {
  const char* text;
  int left;
  int width;
};

}  // namespace cq
