// The offset-stripline formulas against values worked in python3 with the
// same stored constants (3.14159 for pi, 376.9908 / 376.991, 2.25e-16 F/mil).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/tline/asym_stripline/asym_stripline_model.h"
#include "platform/checked_math.h"
#include "platform/errors.h"

namespace cq {
namespace {

// 0.5oz base copper is 0.7 mils; 0.018 mm is 0.018 / 25.4 x 1000 mils.
constexpr double kHalfOunce = 0.7;
constexpr double kMetricHalfOunce = 0.018 / 25.4 * 1000;

TEST(AsymStriplineDefaultModel, WorkedExamples) {
  // python3: the model's steps typed out, printed in full.
  const struct {
    double w, h1, h2, t, er;
    double zo;
    AsymStriplineMode mode;
  } rows[] = {
      // Form defaults: W/(H1+H2) = 0.278.
      {5, 10, 8, kHalfOunce, 4.6, 56.46746975442543, AsymStriplineMode::Narrow},
      // Ratio 0.4.
      {8, 10, 10, kHalfOunce, 4.6, 53.07498404332815, AsymStriplineMode::Wide},
      // Metric defaults converted to mils.
      {5, 10, 8, kMetricHalfOunce, 4.6, 56.41964686395945, AsymStriplineMode::Narrow},
      // Exactly 0.35 is already wide.
      {7, 10, 10, kHalfOunce, 4.6, 56.520270426704066, AsymStriplineMode::Wide},
      // Narrow with no copper: d0 = 0.5008 W.
      {5, 15, 15, 0, 4.6, 76.26875544932543, AsymStriplineMode::Narrow},
  };
  for (const auto& r : rows) {
    const AsymStripline z = AsymStriplineDefaultModel(r.w, r.h1, r.h2, r.t, r.er);
    EXPECT_NEAR(z.zo, r.zo, 1e-9) << r.w << " " << r.h1 << " " << r.h2 << " " << r.t;
    EXPECT_EQ(z.mode, r.mode) << r.w << " " << r.h1 << " " << r.h2 << " " << r.t;
  }
}

TEST(AsymStriplineDefaultModel, ModeSwitchesAtThirtyFiveHundredthsOfH1PlusH2) {
  EXPECT_EQ(AsymStriplineModeOf(6.999, 10, 10), AsymStriplineMode::Narrow);
  EXPECT_EQ(AsymStriplineModeOf(7, 10, 10), AsymStriplineMode::Wide);
  // The ratio divides by H1 + H2, not by the plane spacing with T.
  EXPECT_EQ(AsymStriplineModeOf(6.3, 10, 8), AsymStriplineMode::Wide);
}

// Zero copper and W = T put a logarithm of 0 into the wide fringing term;
// x ln x -> 0 there, so the impedance meets the value just beside it.
TEST(AsymStriplineDefaultModel, WideModeTakesTheLimitAtZeroCopperAndAtWEqualToT) {
  std::vector<std::string> boxes;
  SetMathErrorReporter([&](const std::string& text) { boxes.push_back(text); });
  const struct {
    double w, h1, h2, t, w_near, t_near, zo;
  } rows[] = {
      // python3: 52.23428214678573 at T = 0, 52.23428214685468 at T = 1e-12.
      {8, 10, 10, 0, 8, 1e-12, 52.23428214678573},
      // python3: 41.633528728653495 at W = T = 8, 41.6335287291 beside it.
      {8, 10, 10, 8, 8, 8 * (1 - 1e-12), 41.633528728653495},
  };
  for (const auto& r : rows) {
    const AsymStripline at = AsymStriplineDefaultModel(r.w, r.h1, r.h2, r.t, 4.6);
    const AsymStripline near = AsymStriplineDefaultModel(r.w_near, r.h1, r.h2, r.t_near, 4.6);
    EXPECT_EQ(at.mode, AsymStriplineMode::Wide);
    EXPECT_NEAR(at.zo, r.zo, 1e-9) << r.t;
    EXPECT_NEAR(at.zo, near.zo, 1e-6) << r.t;
  }
  EXPECT_TRUE(boxes.empty());
  SetMathErrorReporter(nullptr);
}

// W 5, H1 1, H2 20: X = 0.8704 (python3), below the arccosh domain.
TEST(AsymStriplineDefaultModel, NarrowConductorNearAPlaneHasNoAnswer) {
  std::vector<std::string> boxes;
  SetMathErrorReporter([&](const std::string& text) { boxes.push_back(text); });
  EXPECT_THROW(AsymStriplineDefaultModel(5, 1, 20, kHalfOunce, 4.6), InvalidOpError);
  EXPECT_EQ(boxes, std::vector<std::string>{"sqrt: DOMAIN error"});
  SetMathErrorReporter(nullptr);
}

TEST(AsymStriplinePublishedFormulas, WorkedExamples) {
  // python3: IPC-2141 and Wadell with their stored constants.
  const struct {
    double w, h1, h2, t, ipc, wadell;
  } rows[] = {
      {5, 10, 8, kHalfOunce, 54.38188312747659, 53.813458449076805},
      // No copper: the IPC width correction vanishes, Wadell's T + 1 terms
      // stay finite; both give 57.836860409268155.
      {5, 10, 8, 0, 57.836860409268155, 57.836860409268155},
  };
  for (const auto& r : rows) {
    EXPECT_NEAR(AsymStriplineIpc2141(r.w, r.h1, r.h2, r.t, 4.6), r.ipc, 1e-9) << r.t;
    EXPECT_NEAR(AsymStriplineWadell(r.w, r.h1, r.h2, r.t, 4.6), r.wadell, 1e-9) << r.t;
  }
}

// The IPC width correction at T = 0 is its limit: the value just above it.
TEST(AsymStriplinePublishedFormulas, IpcAtZeroCopperMeetsTheValueJustAbove) {
  EXPECT_NEAR(AsymStriplineIpc2141(5, 10, 8, 0, 4.6), AsymStriplineIpc2141(5, 10, 8, 1e-12, 4.6),
              1e-9);
}

}  // namespace
}  // namespace cq
