// The microstrip dispersion chain against values worked by hand in python3
// with the same stored constants (3.14159 for pi, 2.7182818 for e), and its
// failures on zero lengths.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/tline/microstrip_dispersion_model.h"
#include "platform/checked_math.h"
#include "platform/unit_factors.h"
#include "platform/errors.h"

namespace cq {
namespace {

// 5 x 10 mils with 2.1 mils of copper is 0.127 x 0.254 x 0.05334 mm:
//   u = 0.5, t = 0.21, u1 = 0.758024, ur = 0.666855
//   static: ee0 = 2.901981, Z0 = 83.604053 Ohms
//   500 MHz: fn = 0.127 GHz mm, eef = 2.902171, Zo = 83.609651
//   10 GHz:  eef = 2.919747, Zo = 84.127854
// Metric defaults 0.127 x 0.254 x 0.053 mm at 500 MHz: 2.903124, 83.651167.
// Er 1.001 (the lowest the Er check lets through): eef = 1.000580.
// (python3: the chain of the model typed out, printed with %.6f.)
TEST(MicrostripDispersionModel, WorkedExamples) {
  const double w = CheckedMilsToMm(5), h = CheckedMilsToMm(10), t = CheckedMilsToMm(2.1);
  const struct {
    double w, h, t, er, ghz;
    double eef, zo, ee0, z0;
  } rows[] = {
      {w, h, t, 4.6, 0.5, 2.902171, 83.609651, 2.901981, 83.604053},
      {w, h, t, 4.6, 10, 2.919747, 84.127854, 2.901981, 83.604053},
      {0.127, 0.254, 0.053, 4.6, 0.5, 2.903124, 83.651167, 2.902935, 83.645573},
      {w, h, t, 1.001, 0.5, 1.000580, 142.382596, 1.000580, 142.379933},
  };
  for (const auto& r : rows) {
    const MicrostripDispersion m = MicrostripDispersionModel(r.w, r.h, r.t, r.er, r.ghz);
    EXPECT_NEAR(m.eef, r.eef, 1e-6) << r.er << " " << r.ghz;
    EXPECT_NEAR(m.zo, r.zo, 1e-6) << r.er << " " << r.ghz;
    EXPECT_NEAR(m.ee0, r.ee0, 1e-6) << r.er << " " << r.ghz;
    EXPECT_NEAR(m.z0, r.z0, 1e-6) << r.er << " " << r.ghz;
  }
}

TEST(MicrostripDispersionModel, AtZeroFrequencyTheStaticValuesHold) {
  const MicrostripDispersion m =
      MicrostripDispersionModel(CheckedMilsToMm(5), CheckedMilsToMm(10), CheckedMilsToMm(2.1), 4.6, 0);
  EXPECT_EQ(m.p, 0);
  EXPECT_DOUBLE_EQ(m.eef, m.ee0);
  EXPECT_DOUBLE_EQ(m.zo, m.z0);
  EXPECT_NEAR(m.eef, 2.901981, 1e-6);
  EXPECT_NEAR(m.u1, 0.758024, 1e-6);
  EXPECT_NEAR(m.ur, 0.666855, 1e-6);
}

TEST(MicrostripDispersionModel, MilsBecomeMillimetres) {
  EXPECT_DOUBLE_EQ(CheckedMilsToMm(10), 10.0 / 1000 * 25.4);
}

TEST(MicrostripDispersionModel, ZeroHeightDividesByZero) {
  EXPECT_THROW(MicrostripDispersionModel(0.127, 0, 0.053, 4.6, 0.5), ZeroDivideError);
}

// Zero copper is the limit of the thickness correction: the width ratio is
// left as it is, and the results meet those of a vanishing thickness.
TEST(MicrostripDispersionModel, ZeroThicknessIsTheLimitOfAThinConductor) {
  std::vector<std::string> reports;
  SetMathErrorReporter([&](const std::string& text) { reports.push_back(text); });
  for (const double ghz : {0.0, 0.5, 10.0}) {
    const MicrostripDispersion at = MicrostripDispersionModel(0.127, 0.254, 0, 4.6, ghz);
    const MicrostripDispersion near = MicrostripDispersionModel(0.127, 0.254, 1e-12, 4.6, ghz);
    EXPECT_DOUBLE_EQ(at.u1, 0.5);  // 0.127 / 0.254
    EXPECT_DOUBLE_EQ(at.ur, 0.5);
    EXPECT_TRUE(std::isfinite(at.eef) && std::isfinite(at.zo)) << ghz;
    EXPECT_NEAR(at.eef, near.eef, 1e-6) << ghz;
    EXPECT_NEAR(at.zo, near.zo, 1e-6) << ghz;
    // A thinner conductor is narrower in effect: higher impedance than 2.1 mils.
    EXPECT_GT(at.z0, MicrostripDispersionModel(0.127, 0.254, 0.05334, 4.6, ghz).z0) << ghz;
  }
  SetMathErrorReporter({});
  EXPECT_TRUE(reports.empty());
}

// W = 0 collapses both corrected ratios to 0: the logarithm of 0 in a is
// reported, then 10 / ur divides by zero.
TEST(MicrostripDispersionModel, ZeroWidthReportsTheLogarithmThenDividesByZero) {
  std::vector<std::string> reports;
  SetMathErrorReporter([&](const std::string& text) { reports.push_back(text); });
  EXPECT_THROW(MicrostripDispersionModel(0, 0.254, 0.053, 4.6, 0.5), ZeroDivideError);
  SetMathErrorReporter({});
  EXPECT_EQ(reports, (std::vector<std::string>{"log: SING error"}));
}

}  // namespace
}  // namespace cq
