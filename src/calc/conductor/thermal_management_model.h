#pragma once
// Junction temperature of a device from the thermal resistance between its
// junction and the surroundings.

namespace cq {

// Degrees C: power (W) x resistance (degrees C per W) + ambient (degrees C).
// No input is limited; a result beyond the double range raises the
// framework's overflow error.
double JunctionTemperature(double power, double resistance, double ambientC);

}  // namespace cq
