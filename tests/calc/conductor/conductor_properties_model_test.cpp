// The cross-section by etch factor, the skin depth and the power in dBm.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/conductor/conductor_properties_model.h"
#include "platform/errors.h"

namespace cq {
namespace {

// W 10, T 2.8, N 4 by hand: 1:1 (10 - 2.8) x 2.8 = 20.16; 2:1 (10 - 1.4) x 2.8
// = 24.08; None 10 x 2.8 = 28; each times 4 with parallel conductors.
// 1e308 x 2.8 passes the largest double (about 1.8e308): the product raises
// instead of giving infinity; so does a huge count of parallel conductors.
TEST(EtchedCrossSection, AnOverflowRaises) {
  for (int etch : {kEtchOneToOne, kEtchTwoToOne, kEtchNone}) {
    EXPECT_THROW(EtchedCrossSection(etch, 1e308, 2.8, false, 1), OverflowError) << etch;
    EXPECT_THROW(EtchedCrossSection(etch, -1e308, 2.8, false, 1), OverflowError) << etch;
    EXPECT_THROW(EtchedCrossSection(etch, 10, 2.8, true, 1e308), OverflowError) << etch;
  }
}

TEST(EtchedCrossSection, EachEtchFactorSingleAndParallel) {
  struct Case {
    int etch;
    bool parallel;
    double expected;
  };
  const Case cases[] = {{kEtchOneToOne, false, 20.16}, {kEtchOneToOne, true, 80.64}, {kEtchTwoToOne, false, 24.08},
                        {kEtchTwoToOne, true, 96.32},  {kEtchNone, false, 28.0},     {kEtchNone, true, 112.0}};
  for (const Case& c : cases) {
    auto area = EtchedCrossSection(c.etch, 10, 2.8, c.parallel, 4);
    ASSERT_TRUE(area.has_value()) << c.etch;
    EXPECT_NEAR(*area, c.expected, 1e-12) << c.etch << " " << c.parallel;
  }
  EXPECT_FALSE(EtchedCrossSection(3, 10, 2.8, false, 4).has_value());
  EXPECT_FALSE(EtchedCrossSection(-1, 10, 2.8, false, 4).has_value());
}

// sqrt(1.72e-8 / (3.14159 x 1.256636e-6 x 1e6)) = 66.00620 um at 1 MHz; the
// depth falls with the square root of the frequency.
TEST(SkinDepth, OneMegahertzAndTheSquareRootLaw) {
  EXPECT_NEAR(SkinDepthMetres(1) * 1e6, 66.00620, 5e-6);
  EXPECT_NEAR(SkinDepthMetres(100) * 10, SkinDepthMetres(1), 1e-15);
  EXPECT_THROW(SkinDepthMetres(0), ZeroDivideError);
  EXPECT_TRUE(std::isnan(SkinDepthMetres(-1)));
}

TEST(PowerDbm, OneMilliwattIsZero) {
  EXPECT_DOUBLE_EQ(PowerDbm(0.001), 0.0);
  EXPECT_NEAR(PowerDbm(1), 30.0, 1e-12);
}

}  // namespace
}  // namespace cq
