// PDN formulas: worked examples, the Imperial/Metric agreement, and the
// floating-point errors at a zero divisor.
#include "calc/conductor/pdn_model.h"

#include <gtest/gtest.h>

#include "platform/unit_factors.h"
#include "platform/errors.h"

namespace cq {
namespace {

TEST(PdnModel, TargetImpedanceOfTheDefaultRail) {
  // 5 V, 5 % ripple, 2 A, 50 % transient: (5 x 0.05) / (2 x 0.5) = 0.25 ohm.
  EXPECT_DOUBLE_EQ(PdnTargetImpedance(5, PercentToFraction(5), 2, PercentToFraction(50)), 0.25);
  // A ripple of 0 gives 0 ohm; negative inputs give negative results.
  EXPECT_DOUBLE_EQ(PdnTargetImpedance(5, 0, 2, 0.5), 0);
  EXPECT_DOUBLE_EQ(PdnTargetImpedance(-5, 0.05, 2, 0.5), -0.25);
}

TEST(PdnModel, PlaneCapacitanceImperialAndMetricAgree) {
  // 0.225 x 4 x 64 sq.in / 0.002 in = 28800 pF.
  EXPECT_DOUBLE_EQ(PlaneCapacitanceImperial(4, 64, MilsToInches(2)), 28800);
  // 64 sq.in = 41290.24 sq.mm, 2 mils = 0.0508 mm:
  // 0.225 x 4 x (41290.24 x 0.00155) / (0.0508 / 25.4) = 28799.9424 pF, the
  // small gap being 0.00155 against 1 / 645.16.
  EXPECT_NEAR(PlaneCapacitanceMetric(4, 41290.24, 0.0508), 28799.9424, 1e-6);
  // 0.225 x 4 x 1.55 / (1 / 25.4) = 35.433 pF.
  EXPECT_NEAR(PlaneCapacitanceMetric(4, 1000, 1), 35.433, 1e-9);
}

TEST(PdnModel, ReactanceFallsWithFrequencyAndCapacitance) {
  // 1 / (1e6 x 6.28318 x 28800e-12) = 5.5262179696 ohm.
  EXPECT_NEAR(PlaneReactance(1, 28800), 5.5262179696, 1e-9);
  EXPECT_NEAR(PlaneReactance(10, 28800), 0.55262179696, 1e-10);
  EXPECT_NEAR(PlaneReactance(1, 2880), 55.262179696, 1e-8);
}

TEST(PdnModel, AZeroDivisorRaisesTheFrameworkError) {
  EXPECT_THROW(PdnTargetImpedance(5, 0.05, 0, 0.5), ZeroDivideError);
  EXPECT_THROW(PdnTargetImpedance(5, 0, 0, 0.5), InvalidOpError);
  EXPECT_THROW(PlaneCapacitanceImperial(4, 64, 0), ZeroDivideError);
  EXPECT_THROW(PlaneCapacitanceMetric(4, 64, 0), ZeroDivideError);
  EXPECT_THROW(PlaneReactance(1, 0), ZeroDivideError);
  EXPECT_THROW(PlaneReactance(0, 28800), ZeroDivideError);
}

}  // namespace
}  // namespace cq
