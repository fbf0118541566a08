// Embedded resistor formulas: hand-worked values (python3), the agreement
// of the two unit systems, and the ring's geometry.
#include "calc/electrical/embedded_resistor_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/errors.h"

namespace cq {
namespace {

TEST(EmbeddedResistorModel, RectangularResistorIsSquaresTimesSheetResistance) {
  // 100 x 50 mils at 25 ohm/sq: 2 squares, 50 ohm; 5000 sq.mils.
  const auto imperial = RectangularResistorImperial(100, 50, 25);
  EXPECT_DOUBLE_EQ(imperial.ohms, 50);
  EXPECT_NEAR(imperial.area, 5000, 1e-9);
  // 2.54 x 1.27 mm at 25 / 645.16 ohm per sq.mm: the same resistor;
  // 5000 sq.mils / 1550 = 3.2258065 sq.mm.
  const auto metric = RectangularResistorMetric(2.54, 1.27, 25 / 645.16);
  EXPECT_NEAR(metric.ohms, 50, 1e-9);
  EXPECT_NEAR(metric.area, 3.2258065, 1e-7);
}

TEST(EmbeddedResistorModel, AZeroWidthOrSheetResistanceRaises) {
  EXPECT_THROW(RectangularResistorImperial(100, 0, 25), ZeroDivideError);
  EXPECT_THROW(RectangularResistorImperial(0, 0, 25), InvalidOpError);
  EXPECT_THROW(RectangularResistorMetric(2.54, 0, 0.03875), ZeroDivideError);
  EXPECT_THROW(AnnularOuterDiameterImperial(0, 20, 10), ZeroDivideError);
  EXPECT_THROW(AnnularOuterDiameterMetric(0, 0.508, 0), InvalidOpError);
}

TEST(EmbeddedResistorModel, AnnularOuterDiameterGivesTheTargetResistance) {
  // exp(10 / 25 x 6.28318) x 20 = 246.9051546 mils
  const double outer = AnnularOuterDiameterImperial(25, 20, 10);
  EXPECT_NEAR(outer, 246.9051546, 1e-6);
  // Invariant: R = Rs / 2pi x ln(Dout / Din) recovers the target.
  EXPECT_NEAR(25 / 6.28318 * std::log(outer / 20), 10, 1e-12);
  // Metric, 0.03875 ohm/sq.mm (24.99995 ohm/sq.in), 0.508 mm:
  // exp(10 / 24.99995 x 6.28318) x 0.508 = 6.2714225 mm
  EXPECT_NEAR(AnnularOuterDiameterMetric(0.03875, 0.508, 10), 6.2714225, 1e-6);
  // A target of 0 is no ring at all.
  EXPECT_DOUBLE_EQ(AnnularOuterDiameterImperial(25, 20, 0), 20);
}

TEST(EmbeddedResistorModel, RingThicknessAndAreaAreThoseOfTheAnnulus) {
  // Diameters 30 and 10: radial width 10, area pi/4 x (900 - 100) = 628.318.
  EXPECT_DOUBLE_EQ(RingThickness(30, 10), 10);
  EXPECT_NEAR(RingArea(30, 10), 628.318, 1e-9);
  // The area is that of the outer disc less the hole: pi r^2 each.
  EXPECT_NEAR(RingArea(246.9051546, 20), 3.14159 * (123.4525773 * 123.4525773 - 100), 1e-5);
}

TEST(EmbeddedResistorModel, AnOverflowingRingIsInfinite) {
  const double outer = AnnularOuterDiameterImperial(25, 20, 10000);
  EXPECT_EQ(outer, INFINITY);
  EXPECT_EQ(RingThickness(outer, 20), INFINITY);
  EXPECT_EQ(RingArea(outer, 20), INFINITY);
}

}  // namespace
}  // namespace cq
