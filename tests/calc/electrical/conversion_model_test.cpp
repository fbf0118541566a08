// Conversion formulas: hand-worked values (python3) with the page's own
// constants, round trips, and the angle of a point in every quadrant.
#include "calc/electrical/conversion_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq::conversion {
namespace {

TEST(ConversionModel, TemperatureUsesElevenFivesAndConvertsBack) {
  // (72 - 32) x 0.55555555555 = 22.222222222
  EXPECT_NEAR(FahrenheitToCelsius(72), 22.222222222, 1e-12);
  EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(100), 212);
  EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(-40), -40);
  // The cut factor leaves 100 degC - 212 degF short by 180 x 5.6e-12.
  EXPECT_NEAR(FahrenheitToCelsius(212), 100 - 180 * 5.5555555555e-12, 1e-13);
}

TEST(ConversionModel, DistancesBothWays) {
  EXPECT_DOUBLE_EQ(MilsToMillimetres(10), 0.254);
  EXPECT_DOUBLE_EQ(MilsToInches(10), 0.01);
  EXPECT_DOUBLE_EQ(MilsToMicrometres(10), 254);
  EXPECT_DOUBLE_EQ(CheckedMmToMils(0.254), 10);
  EXPECT_DOUBLE_EQ(MillimetresToMicrometres(0.254), 254);
  EXPECT_DOUBLE_EQ(MmToInches(25.4), 1);
  for (double mils : {0.5, 3.0, 1234.0}) EXPECT_NEAR(CheckedMmToMils(MilsToMillimetres(mils)), mils, 1e-9);
}

TEST(ConversionModel, DecibelGain) {
  // 10^(1/20) = 1.12201845; 10^(6/20) = 1.99526231
  EXPECT_NEAR(DecibelsToVoltageGain(1), 1.12201845, 1e-8);
  EXPECT_NEAR(DecibelsToVoltageGain(6), 1.99526231, 1e-8);
  EXPECT_DOUBLE_EQ(DecibelsToVoltageGain(0), 1);
  EXPECT_DOUBLE_EQ(DecibelsToVoltageGain(-20), 0.1);
  EXPECT_DOUBLE_EQ(DbmAfterGain(0, 1), 1);
  EXPECT_DOUBLE_EQ(VoltsAfterGain(2.5, 2), 5);
}

TEST(ConversionModel, AnOverflowingGainIsInfinite) {
  EXPECT_EQ(DecibelsToVoltageGain(10000), INFINITY);
}

struct Point {
  double real, imaginary, magnitude, degrees;
};

TEST(ConversionModel, ThePolarAngleLiesInThePointsOwnQuadrant) {
  // atan2(j, re) x 57.295827908797776, python3; the page's pi 3.14159 makes
  // a right angle 90.00007602 degrees.
  const Point cases[] = {
      {3, 4, 5, 53.13014723},   {-3, 4, 5, 126.87000481},  {-3, -4, 5, -126.87000481},
      {3, -4, 5, -53.13014723}, {0, 5, 5, 90.00007602},    {0, -5, 5, -90.00007602},
      {-1, 1, std::sqrt(2.0), 135.00011403},               {50, 0, 50, 0},
      {0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(ComplexMagnitude(c.real, c.imaginary), c.magnitude, 1e-12) << c.real << " " << c.imaginary;
    EXPECT_NEAR(ComplexAngleDegrees(c.real, c.imaginary), c.degrees, 1e-7) << c.real << " " << c.imaginary;
  }
}

TEST(ConversionModel, PolarAndRectangularAreInverse) {
  // 10 at 90 degrees: cos(1.570795) x 10 = 1.33e-5, sin(...) x 10 = 10.
  EXPECT_NEAR(PolarToReal(10, 90), 1.3268e-5, 1e-9);
  EXPECT_NEAR(PolarToImaginary(10, 90), 10, 1e-9);
  for (const auto& [re, j] : {std::pair{-3.0, 4.0}, {-1.0, -7.5}, {2.0, -0.5}}) {
    const double m = ComplexMagnitude(re, j);
    const double a = ComplexAngleDegrees(re, j);
    EXPECT_NEAR(PolarToReal(m, a), re, 1e-12);
    EXPECT_NEAR(PolarToImaginary(m, a), j, 1e-12);
  }
}

TEST(ConversionModel, AnglesUseThePagesPi) {
  EXPECT_DOUBLE_EQ(DegreesToRadians(180), 3.14159);
  EXPECT_DOUBLE_EQ(RadiansToDegrees(3.14159), 180);
  EXPECT_NEAR(RadiansToDegrees(1), 57.2958279, 1e-7);
}

}  // namespace
}  // namespace cq::conversion
