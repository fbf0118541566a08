// The pair impedance formulas and coupling figures against hand
// calculations (python3) and the worked examples of each structure.
#include "calc/diffpair/coupled_structures.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/diffpair/pair_coupling.h"
#include "platform/errors.h"

namespace cq {
namespace {

constexpr double kEr = 4.6;

TEST(EdgeMicrostripPair, StartValuesAndCouplingSequence) {
  // W 10, S 5, H 15, T 2.1 mils, Er 4.6, 1 ns, 100 mils, 1 V (python3).
  const double e = MicrostripPairEffectiveEr(kEr, 10, 15);
  EXPECT_NEAR(e, 3.2173927654, 1e-9);
  const double lsat = SaturationLength(e, 1, false);
  EXPECT_NEAR(lsat, 3289.2733865, 1e-6);
  EXPECT_NEAR(SaturationLength(e, 1, true), 83.547544017, 1e-8);
  const double zo = EdgeMicrostripZo(kEr, 10, 15, 2.1);
  EXPECT_NEAR(zo, 77.503585359, 1e-8);
  const double zdiff = EdgeMicrostripZdiff(zo, 5, 15);
  EXPECT_NEAR(zdiff, 100.979182995, 1e-8);
  const double zodd = OddModeImpedance(zdiff);
  const double zeven = EvenModeImpedance(zo, zodd);
  EXPECT_NEAR(zeven, 118.97116941, 1e-7);
  const double kb = BackwardCouplingTerminated(zeven, zodd, zo);
  const double kbu = BackwardCouplingUnterminated(zeven, zodd);
  EXPECT_NEAR(kb, 0.2110580777, 1e-9);
  EXPECT_NEAR(kbu, 0.4041146608, 1e-9);
  EXPECT_NEAR(CouplingDecibels(kb), -13.5119604354, 1e-8);
  EXPECT_NEAR(CouplingDecibels(kbu), -7.8699078717, 1e-8);
  EXPECT_NEAR(NearEndVoltage(kb, 100, lsat, 1), 0.00641655627, 1e-10);
  EXPECT_NEAR(NearEndVoltage(kbu, 100, lsat, 1), 0.01228583378, 1e-10);
  // Metric: 0.053 mm of copper is not exactly 2.1 mils (77.551 Ohms).
  EXPECT_NEAR(EdgeMicrostripZo(kEr, 0.254, 0.381, 0.053), 77.550649896, 1e-8);
}

TEST(EdgeMicrostripPair, NarrowLineTermOnlyBelowTheHeight) {
  // W = H: (Er+1)/2 + (Er-1)/2 / sqrt(13), no 0.04 term.
  EXPECT_DOUBLE_EQ(MicrostripPairEffectiveEr(kEr, 15, 15), 2.8 + 1.8 * std::pow(13.0, -0.5));
  // W just below H adds 0.04 (1 - W/H)^2 on top of the smooth part.
  const double w = 14.9;
  EXPECT_DOUBLE_EQ(MicrostripPairEffectiveEr(kEr, w, 15),
                   2.8 + 1.8 * std::pow(1 + 12 * 15 / w, -0.5) + 0.04 * std::pow(1 - w / 15, 2));
  EXPECT_THROW(MicrostripPairEffectiveEr(kEr, 0, 15), ZeroDivideError);
}

TEST(NearEndVoltage, SaturatesFromTheSaturationLength) {
  // Equal to Lsat: the full coupling; half of it: half; beyond: the full.
  EXPECT_DOUBLE_EQ(NearEndVoltage(0.2, 3000, 3000, 2), 0.4);
  EXPECT_DOUBLE_EQ(NearEndVoltage(0.2, 1500, 3000, 2), 0.2);
  EXPECT_DOUBLE_EQ(NearEndVoltage(0.2, 9000, 3000, 2), 0.4);
}

TEST(StriplinePairs, SymmetricImpedanceInBothUnitSystems) {
  // W 10, H 15, T 0.7 mils, Er 4.6: 33.200 Ohms Imperial, 33.195 Metric
  // (the metric formula keeps 1.9 in place of 4 / 2.1048653).
  const double zo = SymStriplinePairZo(kEr, 10, 15, 0.7, false);
  EXPECT_NEAR(zo, 33.200063672, 1e-8);
  EXPECT_NEAR(SymStriplinePairZo(kEr, 10, 15, 0.7, true), 33.194776360, 1e-8);
  // 2 Zo (1 - 0.374 exp(-2.9 S/H)), S 5 (python3).
  EXPECT_NEAR(StriplinePairZdiff(zo, 5, 15), 56.954680348, 1e-8);
  // Lsat from Er itself: 11.8 / sqrt(4.6) x 0.5 x 1000.
  EXPECT_NEAR(SaturationLength(kEr, 1, false), 2750.8891843, 1e-6);
}

TEST(StriplinePairs, OffsetPairUsesTheOffsetStriplineModel) {
  // Worked examples of the offset pair, S 5, Er 4.6, texts to 3 decimals.
  struct Case { double w, h1, h2, t; bool metric; double zo, zdiff; };
  const Case cases[] = {
      {10, 15, 5, 0.7, false, 36.650, 59.693},        // wide, b = 20.7
      {10, 5, 15, 0.7, false, 36.650, 59.693},        // heights exchanged
      {10, 10, 10, 0.7, false, 47.273, 76.996},       // equal heights still solve
      {5, 15, 10, 0.7, false, 64.345, 101.313},       // narrow, W / (H1 + H2) = 0.2
      {0.254, 0.381, 0.127, 0.018, true, 36.644, 59.680},
      {0.127, 0.381, 0.254, 0.01778, true, 64.345, 101.313},
      // W / (H1 + H2) is exactly 0.35 in mm, just below it once in mils:
      // wide mode (python3; narrow would give 54.214 Ohms).
      {0.7896, 1.2512, 1.0048, 0.018, true, 55.850, 76.171},
  };
  for (const Case& c : cases) {
    const double zo = AsymStriplinePairZo(kEr, c.w, c.h1, c.h2, c.t, c.metric);
    EXPECT_NEAR(zo, c.zo, 5e-4) << c.w << " " << c.h1 << " " << c.h2;
    const double s = c.metric ? 0.127 : 5;
    EXPECT_NEAR(StriplinePairZdiff(zo, s, c.h1 + c.h2 + c.t), c.zdiff, 5e-4) << c.w;
  }
}

TEST(EmbeddedPair, WorkedExample) {
  // W 10, S 5, H1 5, H2 15, T 0.7 mils, Er 4.6 (python3).
  const double e = EmbeddedPairEffectiveEr(kEr, 5, 15);
  EXPECT_NEAR(e, 4.5560166311, 1e-9);
  EXPECT_NEAR(SaturationLength(e, 1, false), 2764.1357075, 1e-6);
  EXPECT_NEAR(SaturationLength(e, 1, true), 70.209046971, 1e-8);
  const double zo = EmbeddedPairZo(e, 10, 5, 0.7);
  EXPECT_NEAR(zo, 34.702612196, 1e-8);
  EXPECT_NEAR(EmbeddedPairZo(e, 10, 5, 1.4), 32.527284330, 1e-8);
  EXPECT_NEAR(EdgeMicrostripZdiff(zo, 5, 15), 45.213926699, 1e-8);
}

TEST(EmbeddedPair, ZeroHeightsRaiseTheFloatingPointErrors) {
  EXPECT_THROW(EmbeddedPairEffectiveEr(kEr, 0, 15), ZeroDivideError);
  EXPECT_THROW(EmbeddedPairEffectiveEr(kEr, 0, 0), InvalidOpError);
  // H2 = 0 gives Er' = 0, so the saturation length divides by zero.
  const double e = EmbeddedPairEffectiveEr(kEr, 5, 0);
  EXPECT_EQ(e, 0.0);
  EXPECT_THROW(SaturationLength(e, 1, false), ZeroDivideError);
}

TEST(BroadsidePairs, DefaultsAndHeightCorrection) {
  // W 10, S 5, H 15, T 0.7: D 4.3, Zdiff 43.730 shielded, 47.315 not (python3).
  EXPECT_DOUBLE_EQ(BroadsideGap(15, 0.7, 5), 4.3);
  EXPECT_NEAR(BroadsideShieldedZdiff(kEr, 10, 5, 0.7, 4.3), 43.729513784, 1e-8);
  EXPECT_NEAR(BroadsideUnshieldedZdiff(kEr, 10, 5, 0.7), 47.314741172, 1e-8);
  // Height equal to 2T + S is too small; 4T + S corrects it (T 3.5, S 5: 19).
  struct Case { double h, t, s; bool tooSmall; };
  const Case cases[] = {{12, 3.5, 5, true}, {12.01, 3.5, 5, false}, {6, 0.7, 5, true},
                        {15, 0.7, 5, false}, {5, 0, 5, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(BroadsideHeightTooSmall(c.h, c.t, c.s), c.tooSmall) << c.h << " " << c.t;
  }
  EXPECT_DOUBLE_EQ(BroadsideCorrectedHeight(3.5, 5), 19);
  EXPECT_DOUBLE_EQ(BroadsideCorrectedHeight(0.7, 5), 7.8);
  // T 3.5, H 19: D 3.5, Zdiff 32.136 shielded, 36.621 not.
  EXPECT_NEAR(BroadsideShieldedZdiff(kEr, 10, 5, 3.5, BroadsideGap(19, 3.5, 5)), 32.136419232,
              1e-8);
  EXPECT_NEAR(BroadsideUnshieldedZdiff(kEr, 10, 5, 3.5), 36.620881591, 1e-8);
  // Without copper the corrected height fails the same test again.
  EXPECT_TRUE(BroadsideHeightTooSmall(BroadsideCorrectedHeight(0, 5), 0, 5));
}

}  // namespace
}  // namespace cq
