// The closed stripline formulas against values worked in python3 from the
// formulas typed out with the program's constants.
#include <gtest/gtest.h>

#include "calc/tline/dual_stripline_model.h"
#include "calc/tline/embedded_microstrip_model.h"
#include "calc/tline/stripline_model.h"
#include "platform/errors.h"

namespace cq {
namespace {

constexpr double kMmToMils = 1000 / 25.4;

TEST(StriplineModel, WorkedExamples) {
  // python3: 60 / sqrt(er) * ln(1.9 (2h + t) / (0.8 w + t)).
  const struct {
    double w, h, t, zo;
  } rows[] = {
      {5, 10, 0.7, 59.431097991821616},          // board defaults, mils
      {0.127, 0.254, 0.018, 59.39129438773641},  // the same in mm, 0.018 mm copper
      {16, 10, 0.7, 29.913763023694628},         // wider than the fit
  };
  for (const auto& r : rows) {
    EXPECT_NEAR(StriplineImpedance(r.w, r.h, r.t, 4.6), r.zo, 1e-9) << r.w;
  }
  // python3: sqrt(4.6) * 1.017 / 12 * 1000.
  EXPECT_NEAR(StriplineDelayPsPerInch(4.6), 181.76849974624312, 1e-9);
}

TEST(StriplineModel, WideConductorGivesANegativeImpedanceNotAnError) {
  // 0.8 x 60 + 0.7 > 1.9 x 20.7: the logarithm turns negative.
  EXPECT_LT(StriplineImpedance(60, 10, 0.7, 4.6), 0);
}

TEST(StriplineModel, OverflowingLengthRaises) {
  EXPECT_THROW(StriplineImpedance(5, 1e308, 0.7, 4.6), OverflowError);
}

TEST(EmbeddedMicrostripModel, WorkedExamples) {
  // python3: er' = er (1 - exp(-1.55 h1 / h2)), zo = 60 / sqrt(er') ln(5.98 h2 / (0.8 w + t)),
  // tpd = sqrt(er') 0.08457 1000; lengths in inches.
  const struct {
    double w, h1, h2, t;
    double er_eff, zo, tpd;
  } rows[] = {
      {5 / 1000.0, 10 / 1000.0, 8 / 1000.0, 0.7 / 1000.0,  // defaults in mils
       3.937307168133315, 70.16098329501531, 167.8092820551594},
      {0.127 / 25.4, 0.254 / 25.4, 0.2032 / 25.4, 0.018 / 25.4,  // defaults in mm
       3.937307168133315, 70.1053105232419, 167.8092820551594},
      {5 / 1000.0, 10 / 1000.0, 1 / 1000.0, 0.7 / 1000.0,  // H2 as corrected to 1 mil
       4.5999991465199725, 6.73803957560957, 181.38242592886004},
  };
  for (const auto& r : rows) {
    const EmbeddedMicrostrip m = EmbeddedMicrostripModel(r.w, r.h1, r.h2, r.t, 4.6);
    EXPECT_NEAR(m.er_eff, r.er_eff, 1e-12) << r.h2;
    EXPECT_NEAR(m.zo, r.zo, 1e-9) << r.h2;
    EXPECT_NEAR(m.tpd, r.tpd, 1e-9) << r.h2;
  }
}

TEST(EmbeddedMicrostripModel, ZeroHeightAboveThePlaneRaisesDivisionByZero) {
  EXPECT_THROW(EmbeddedMicrostripModel(0.005, 0.01, 0, 0.0007, 4.6), ZeroDivideError);
}

TEST(DualStriplineModel, WorkedExamples) {
  // python3: 80 / sqrt(er) ln(1.9 (2h + t) / (0.8 w + t)) (1 - h / (4 (h + c + t))).
  const struct {
    double w, h, c, t, zo;
  } rows[] = {
      {5, 10, 8, 0.7, 68.64768538092765},
      {5, 10, 1, 0.7, 62.30952723928876},   // C as corrected to 1 mil
      {60, 10, 8, 0.7, -6.905126071857865},  // wider than the logarithm allows
      {0.127 * kMmToMils, 0.254 * kMmToMils, 0.2032 * kMmToMils, 0.018 * kMmToMils,
       68.60661026776398},  // the mm defaults in mils
  };
  for (const auto& r : rows) {
    EXPECT_NEAR(DualStriplineImpedance(r.w, r.h, r.c, r.t, 4.6), r.zo, 1e-9) << r.w << " " << r.c;
  }
}

}  // namespace
}  // namespace cq
