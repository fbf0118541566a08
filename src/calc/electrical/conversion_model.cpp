#include "calc/electrical/conversion_model.h"

#include <cmath>

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq::conversion {

namespace {
constexpr double kCelsiusPerFahrenheit = 0.55555555555;
constexpr double kFahrenheitPerCelsius = 1.8;
constexpr double kFreezingFahrenheit = 32;
constexpr double kDecibelsPerDecade = 20;
}  // namespace

double FahrenheitToCelsius(double fahrenheit) {
  return Mul(Sub(fahrenheit, kFreezingFahrenheit), kCelsiusPerFahrenheit);
}

double CelsiusToFahrenheit(double celsius) { return Add(Mul(celsius, kFahrenheitPerCelsius), kFreezingFahrenheit); }

double MilsToMillimetres(double mils) { return CheckedInchesToMm(Mul(mils, kInchesPerMil)); }
double MilsToMicrometres(double mils) { return Mul(MilsToMillimetres(mils), kUmPerMm); }

double MillimetresToMicrometres(double mm) { return Mul(mm, kUmPerMm); }

double DecibelsToVoltageGain(double decibels) { return Pow(10, Div(decibels, kDecibelsPerDecade)); }
double DbmAfterGain(double dbm, double decibels) { return Add(dbm, decibels); }
double VoltsAfterGain(double volts, double voltageGain) { return Mul(volts, voltageGain); }

double ComplexMagnitude(double real, double imaginary) {
  return Sqrt(Add(Mul(real, real), Mul(imaginary, imaginary)));
}

double ComplexAngleDegrees(double real, double imaginary) {
  return Mul(std::atan2(imaginary, real), kDegreesPerRadian);
}

double PolarToReal(double magnitude, double angleDegrees) {
  return Mul(std::cos(Mul(angleDegrees, kRadiansPerDegree)), magnitude);
}

double PolarToImaginary(double magnitude, double angleDegrees) {
  return Mul(std::sin(Mul(angleDegrees, kRadiansPerDegree)), magnitude);
}

double DegreesToRadians(double degrees) { return Mul(degrees, kRadiansPerDegree); }
double RadiansToDegrees(double radians) { return Mul(radians, kDegreesPerRadian); }

}  // namespace cq::conversion
