#pragma once
// The small converters of the Conversion Calculator: distance, temperature,
// decibel gain, complex numbers and angles. The constants are the ones the
// page has always shown its results with (pi taken as 3.14159, the Celsius
// factor cut to eleven fives), so the texts stay what users compare with.
// Divisions raise the framework's floating-point errors; the power
// reports an overflow through the maths-error box.

namespace cq::conversion {

// 180 / 3.14159 and 3.14159 / 180.
inline constexpr double kDegreesPerRadian = 57.295827908797776;
inline constexpr double kRadiansPerDegree = 0.017453277777777776;

double FahrenheitToCelsius(double fahrenheit);
double CelsiusToFahrenheit(double celsius);

// From mils.
double MilsToMillimetres(double mils);
double MilsToMicrometres(double mils);
// From millimetres.
double MillimetresToMicrometres(double mm);

// 10^(dB / 20).
double DecibelsToVoltageGain(double decibels);
// A dBm level raised by a gain in dB.
double DbmAfterGain(double dbm, double decibels);
double VoltsAfterGain(double volts, double voltageGain);

// sqrt(re^2 + j^2).
double ComplexMagnitude(double real, double imaginary);
// The angle of the point (re, j) in degrees, -180 .. 180, in its own
// quadrant; a real part of 0 gives +-90 (0 at the origin).
double ComplexAngleDegrees(double real, double imaginary);
double PolarToReal(double magnitude, double angleDegrees);
double PolarToImaginary(double magnitude, double angleDegrees);

double DegreesToRadians(double degrees);
double RadiansToDegrees(double radians);

}  // namespace cq::conversion
