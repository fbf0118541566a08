// Crystal figures: worked examples by hand, the invariants that tie the
// converters together, and the floating-point errors of a zero divisor.
#include "calc/electrical/ppm_xtal_model.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace cq {
namespace {

TEST(PpmXtalModel, FrequencyVariationOfATolerance) {
  // 50 MHz at 25 ppm: 50e6 x 25 / 1e6 = 1250 Hz.
  EXPECT_DOUBLE_EQ(FrequencyVariation(50000000, 25), 1250);
  // A watch crystal at 20 ppm: 32768 x 20 / 1e6 = 0.65536 Hz.
  EXPECT_DOUBLE_EQ(FrequencyVariation(32768, 20), 0.65536);
  // Negative inputs are not refused here: -1e6 x 25 / 1e6 = -25.
  EXPECT_DOUBLE_EQ(FrequencyVariation(-1000000, 25), -25);
}

TEST(PpmXtalModel, ToleranceOfABandIsSignedByTheMaximumsSide) {
  // 1e6 x (32001 - 32000) / 32000 = 31.25 ppm; a maximum 1 Hz below gives -31.25.
  EXPECT_DOUBLE_EQ(PpmOfFrequencies(32000, 32001), 31.25);
  EXPECT_DOUBLE_EQ(PpmOfFrequencies(32000, 31999), -31.25);
  EXPECT_DOUBLE_EQ(PpmOfFrequencies(32000, 32000), 0);
}

TEST(PpmXtalModel, TheTwoFrequencyConvertersAreInverse) {
  // The maximum of a tolerance band reads back as that tolerance.
  for (double centre : {32768.0, 8e6, 50e6})
    for (double ppm : {10.0, 25.0, 100.0})
      EXPECT_NEAR(PpmOfFrequencies(centre, centre + FrequencyVariation(centre, ppm)), ppm, 1e-6)
          << centre << " " << ppm;
}

TEST(PpmXtalModel, LoadOfTwoCapacitorsAndStray) {
  // 14 x 14 / 28 + 3 = 10 pF; 10 x 20 / 30 + 3 = 9.6667 pF, the same with C1 and C2 swapped.
  EXPECT_DOUBLE_EQ(LoadOfCapacitors(14, 14, 3), 10);
  EXPECT_NEAR(LoadOfCapacitors(10, 20, 3), 9.666666667, 1e-9);
  EXPECT_DOUBLE_EQ(LoadOfCapacitors(20, 10, 3), LoadOfCapacitors(10, 20, 3));
}

TEST(PpmXtalModel, RuleOfThumbCapacitorsGiveTheCrystalItsLoad) {
  // 2 x 10 - 2 x 3 = 14 pF; a stray above the load gives a negative value.
  EXPECT_DOUBLE_EQ(EqualCapacitorsForLoad(10, 3), 14);
  EXPECT_DOUBLE_EQ(EqualCapacitorsForLoad(3, 10), -14);
  // Two equal capacitors C in series are C / 2, so C = 2 (CL - Cs) brings the load back.
  for (double load : {6.0, 12.5, 18.0})
    for (double stray : {2.0, 5.0}) {
      const double c = EqualCapacitorsForLoad(load, stray);
      EXPECT_NEAR(LoadOfCapacitors(c, c, stray), load, 1e-12) << load << " " << stray;
    }
}

TEST(PpmXtalModel, AZeroDivisorRaisesTheFrameworkError) {
  EXPECT_THROW(PpmOfFrequencies(0, 32001), ZeroDivideError);
  EXPECT_THROW(PpmOfFrequencies(0, 0), InvalidOpError);
  EXPECT_THROW(LoadOfCapacitors(0, 0, 3), InvalidOpError);
  EXPECT_THROW(LoadOfCapacitors(5, -5, 3), ZeroDivideError);
}

}  // namespace
}  // namespace cq
