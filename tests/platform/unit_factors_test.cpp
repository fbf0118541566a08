// The shared length conversions: worked values, the round trips, and the
// checked forms raising where the plain arithmetic would give an infinity.
#include "platform/unit_factors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/errors.h"

namespace cq {
namespace {

TEST(UnitFactors, LengthsBothWays) {
  // 1 in = 1000 mils = 25.4 mm.
  static_assert(MilsToInches(1000) == 1);
  static_assert(InchesToMils(0.062) == 62);
  EXPECT_DOUBLE_EQ(MmToInches(25.4), 1);
  EXPECT_DOUBLE_EQ(InchesToMm(2), 50.8);
  EXPECT_DOUBLE_EQ(MmToMils(0.254), 10);
  EXPECT_DOUBLE_EQ(MilsToMm(10), 0.254);
  EXPECT_DOUBLE_EQ(CheckedMilsToMm(10), 0.254);
  EXPECT_DOUBLE_EQ(CheckedMmToMils(1.5748), 62);
  for (double mils : {0.5, 3.0, 1234.0}) {
    EXPECT_NEAR(MmToMils(MilsToMm(mils)), mils, 1e-9);
    EXPECT_NEAR(CheckedMmToMils(CheckedMilsToMm(mils)), mils, 1e-9);
  }
}

TEST(UnitFactors, CheckedFormsRaiseWherePlainOnesOverflow) {
  const double huge = std::numeric_limits<double>::max() / 2;
  EXPECT_TRUE(std::isinf(MmToMils(huge)));
  EXPECT_THROW(CheckedMmToMils(huge), OverflowError);
  EXPECT_THROW(CheckedInchesToMm(huge), OverflowError);
  // Not a number passes through, as it does in the checked arithmetic.
  EXPECT_TRUE(std::isnan(CheckedMilsToMm(std::nan(""))));
}

}  // namespace
}  // namespace cq
