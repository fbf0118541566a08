// The modified Wheeler formula in micrometres. Expected values worked with
// python3: n = 5, w = s = 254 um, dout = 8890 um gives
// din = 8890 - (2 x 4 x 254 + 2 x 5 x 254) = 4318, rho = 4572 / 13208,
// davg = 6604 and L = 25 x 6604 / (K2 x rho + 1) x K1 x 0.001256.
#include <gtest/gtest.h>

#include <vector>

#include "calc/electrical/planar_inductor_model.h"
#include "platform/errors.h"

namespace cq {
namespace {

TEST(PlanarInductorModel, InductanceOfEachShape) {
  struct Case {
    int item;
    double nanohenries;
  };
  const std::vector<Case> cases = {
      {0, 248.59355870},  // 2.34 x 0.001256 x 165100 / (2.75 x 0.346154 + 1)
      {1, 208.05246850},  // 2.33, 3.82
      {2, 209.33369456},  // 2.25, 3.55
      {3, 210.84100112},  // 2.275, 3.575
  };
  const double inner = InnerDiameter(5, 254, 254, 8890);
  EXPECT_DOUBLE_EQ(inner, 4318);
  const double fill = FillFactor(8890, inner);
  EXPECT_NEAR(fill, 4572.0 / 13208.0, 1e-15);
  for (const auto& c : cases) {
    const auto shape = InductorShapeCoefficients(c.item);
    ASSERT_TRUE(shape) << c.item;
    EXPECT_NEAR(PlanarInductance(*shape, 5, 8890, inner, fill), c.nanohenries, 1e-6) << c.item;
  }
}

TEST(PlanarInductorModel, OnlyFourShapesHaveCoefficients) {
  EXPECT_FALSE(InductorShapeCoefficients(-1));
  EXPECT_FALSE(InductorShapeCoefficients(4));
}

TEST(PlanarInductorModel, TooManyTurnsGiveANegativeInnerDiameter) {
  // 10 turns of 254 + 254 um in 8890 um: 8890 - (4572 + 5080) = -762.
  EXPECT_DOUBLE_EQ(InnerDiameter(10, 254, 254, 8890), -762);
}

TEST(PlanarInductorModel, DiametersSummingToZeroRaise) {
  EXPECT_THROW(FillFactor(254, -254), ZeroDivideError);
  EXPECT_THROW(FillFactor(0, 0), InvalidOpError);
}

}  // namespace
}  // namespace cq
