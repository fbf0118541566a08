// The differential-via formulas. Expected numbers are hand calculations in
// python3 with the same steps:
//   Er_avg = (Er (1 + a/100) + Er) / 2, x = s/d, acosh = ln(sqrt(x^2-1) + x),
//   q = ln((H+W)/(2d)), Zodd = 60/sqrt(Er_avg) sqrt(acosh q),
//   Er_eff = acosh / q Er_avg, stub = 0.84 / (sqrt(Er_eff) B) x 1000 (25.4),
//   G = (Zdp - Zdiff)/(Zdp + Zdiff), loss = 2 x 20 log10(1 - |G|).
#include "calc/via/differential_via_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/errors.h"

namespace cq {
namespace {

struct Pair {
  double er, anisotropy, d, h, w, s, baud, zdp;
  bool metric;
  double zOdd, erEff, stub, loss;
};

// Page defaults: Er 4.6, 18 %, d 10, H 40, W 62, s 60 mils, 1 GBaud, 100 ohms
//   Er_avg 5.014, acosh 2.4778887, q 1.6292405 -> Zodd 53.838455, Er_eff
//   7.6257212, stub 304.18572 mils, G -0.0369656, loss -0.6543287 dB.
// The same in mm (W 1.575 is 62.008 mils): q 1.6293177 -> Zodd 53.839731,
//   stub 7.7265004 mm, loss -0.6545421 dB.
// Anisotropy 0: Er_avg 4.6 -> Zodd 56.208997, Er_eff 6.9960745, stub 317.57922,
//   loss -1.0464524 dB.
// 2.5 GBaud: the stub of the defaults / 2.5 = 121.67429.
const Pair kPairs[] = {
    {4.6, 18, 10, 40, 62, 60, 1, 100, false, 53.838455161, 7.625721182, 304.185721920, -0.654328735},
    {4.6, 18, 0.254, 1.016, 1.575, 1.524, 1, 100, true, 53.839730577, 7.625359893, 7.726500371, -0.654542105},
    {4.6, 0, 10, 40, 62, 60, 1, 100, false, 56.208997385, 6.996074478, 317.579217248, -1.046452364},
    {4.6, 18, 10, 40, 62, 60, 2.5, 100, false, 53.838455161, 7.625721182, 121.674288768, -0.654328735},
};

TEST(DifferentialViaModel, WorkedPairs) {
  for (const Pair& p : kPairs) {
    const double erAvg = DifferentialViaAverageEr(p.er, p.anisotropy);
    const double a = DifferentialViaSpacingTerm(p.s, p.d);
    const double q = DifferentialViaOpeningTerm(p.h, p.w, p.d);
    const double zOdd = DifferentialViaOddModeImpedance(erAvg, a, q);
    const double erEff = DifferentialViaEffectiveEr(erAvg, a, q);
    const double tol = 1e-7;
    EXPECT_NEAR(zOdd, p.zOdd, tol) << p.d;
    EXPECT_NEAR(erEff, p.erEff, tol) << p.d;
    EXPECT_NEAR(DifferentialViaMaxStubLength(erEff, p.baud, p.metric), p.stub, tol) << p.d;
    EXPECT_NEAR(DifferentialViaInsertionLoss(p.zdp, 2 * zOdd), p.loss, tol) << p.d;
  }
}

TEST(DifferentialViaModel, OnlyRatiosOfTheLengthsCount) {
  const double erAvg = DifferentialViaAverageEr(4.6, 18);
  const double mils = DifferentialViaOddModeImpedance(erAvg, DifferentialViaSpacingTerm(60, 10),
                                                      DifferentialViaOpeningTerm(40, 62, 10));
  const double mm = DifferentialViaOddModeImpedance(erAvg, DifferentialViaSpacingTerm(60 * 0.0254, 10 * 0.0254),
                                                    DifferentialViaOpeningTerm(40 * 0.0254, 62 * 0.0254, 10 * 0.0254));
  EXPECT_NEAR(mils, mm, 1e-9);
  // The stub in mm is the one in mils converted.
  EXPECT_NEAR(DifferentialViaMaxStubLength(7.6, 1, true), DifferentialViaMaxStubLength(7.6, 1, false) * 0.0254, 1e-9);
}

TEST(DifferentialViaModel, WiderSpacingRaisesTheImpedance) {
  const double erAvg = DifferentialViaAverageEr(4.6, 18);
  const double q = DifferentialViaOpeningTerm(40, 62, 10);
  double previous = 0;
  for (double s : {10.5, 11.0, 20.0, 60.0, 200.0}) {
    const double z = DifferentialViaOddModeImpedance(erAvg, DifferentialViaSpacingTerm(s, 10), q);
    EXPECT_GT(z, previous) << s;
    previous = z;
  }
}

TEST(DifferentialViaModel, InsertionLossIsZeroWhenMatchedAndNegativeOtherwise) {
  EXPECT_EQ(DifferentialViaInsertionLoss(100, 100), 0);
  for (double zdp : {50.0, 90.0, 99.9, 100.1, 120.0, 400.0}) {
    EXPECT_LT(DifferentialViaInsertionLoss(zdp, 100), 0) << zdp;
    // The mismatch costs the same whichever side is higher.
    EXPECT_NEAR(DifferentialViaInsertionLoss(zdp, 100), DifferentialViaInsertionLoss(100, zdp), 1e-12) << zdp;
  }
  // A pair of 0 ohms reflects everything.
  EXPECT_EQ(DifferentialViaInsertionLoss(0, 107.7), -INFINITY);
}

// Spacing below the hole (x = 0.8): sqrt(0.64 - 1) has no real value. An
// opening with (H + W) / 2d = 0.9 gives q < 0: Zodd has no real value,
// Er_eff = 2.4779 / ln(0.9) x 5.014 = -117.92 and its root none either.
TEST(DifferentialViaModel, GeometryWithoutRealValueIsNotANumber) {
  const double erAvg = DifferentialViaAverageEr(4.6, 18);
  const double crowded = DifferentialViaSpacingTerm(8, 10);
  EXPECT_TRUE(std::isnan(crowded));
  EXPECT_FALSE(std::signbit(crowded));  // prints "+NAN"
  const double q = DifferentialViaOpeningTerm(40, 62, 10);
  EXPECT_TRUE(std::isnan(DifferentialViaOddModeImpedance(erAvg, crowded, q)));
  EXPECT_TRUE(std::isnan(DifferentialViaEffectiveEr(erAvg, crowded, q)));

  const double a = DifferentialViaSpacingTerm(60, 10);
  const double tight = DifferentialViaOpeningTerm(8, 10, 10);
  const double zOdd = DifferentialViaOddModeImpedance(erAvg, a, tight);
  EXPECT_TRUE(std::isnan(zOdd));
  EXPECT_FALSE(std::signbit(zOdd));
  const double erEff = DifferentialViaEffectiveEr(erAvg, a, tight);
  EXPECT_NEAR(erEff, -117.92, 0.01);
  EXPECT_TRUE(std::isnan(DifferentialViaMaxStubLength(erEff, 1, false)));
  EXPECT_TRUE(std::isnan(DifferentialViaInsertionLoss(100, 2 * zOdd)));
  EXPECT_TRUE(std::isnan(DifferentialViaOpeningTerm(-30, 10, 10)));
}

// Spacing equal to the hole: acosh(1) = 0, so Er_eff = 0 and the stub
// divides by zero; an opening with (H + W) = 2d: q = 0 and Er_eff divides
// by zero; a baud rate of 0 divides the stub by zero.
TEST(DifferentialViaModel, ExactZeroDivisorsRaise) {
  const double erAvg = DifferentialViaAverageEr(4.6, 18);
  const double q = DifferentialViaOpeningTerm(40, 62, 10);
  const double touching = DifferentialViaSpacingTerm(10, 10);
  EXPECT_EQ(touching, 0);
  EXPECT_EQ(DifferentialViaOddModeImpedance(erAvg, touching, q), 0);
  const double erEff = DifferentialViaEffectiveEr(erAvg, touching, q);
  EXPECT_EQ(erEff, 0);
  EXPECT_THROW(DifferentialViaMaxStubLength(erEff, 1, false), ZeroDivideError);

  const double a = DifferentialViaSpacingTerm(60, 10);
  const double flat = DifferentialViaOpeningTerm(10, 10, 10);
  EXPECT_EQ(flat, 0);
  EXPECT_EQ(DifferentialViaOddModeImpedance(erAvg, a, flat), 0);
  EXPECT_THROW(DifferentialViaEffectiveEr(erAvg, a, flat), ZeroDivideError);

  EXPECT_THROW(DifferentialViaMaxStubLength(7.6, 0, false), ZeroDivideError);
  EXPECT_THROW(DifferentialViaSpacingTerm(60, 0), ZeroDivideError);
}

}  // namespace
}  // namespace cq
