// The target check and ratio range of a differential-pair solve.
#include "calc/diffpair/pair_target.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/errors.h"

namespace cq {
namespace {

TEST(PairTarget, BoundsIncludeBothEnds) {
  // 100 Ohms at 12.5 %: 112.5 and 87.5 by hand.
  const ZdiffBounds b = TargetBounds(100, 1.125, 0.875);
  EXPECT_DOUBLE_EQ(b.upper, 112.5);
  EXPECT_DOUBLE_EQ(b.lower, 87.5);
  struct Row { double zdiff; bool within; };
  const Row rows[] = {{87.5, true},  {112.5, true},  {100, true},  {87.4999, false},
                      {112.5001, false}, {-100, false}, {std::numeric_limits<double>::infinity(), false}};
  for (const Row& r : rows) EXPECT_EQ(ZdiffWithinTarget(r.zdiff, b), r.within) << r.zdiff;
}

TEST(PairTarget, NotANumberTrapsAndHugeTargetsOverflow) {
  const ZdiffBounds b = TargetBounds(100, 1.125, 0.875);
  EXPECT_THROW(ZdiffWithinTarget(std::nan(""), b), InvalidOpError);
  EXPECT_THROW(TargetBounds(1.5e308, 1.25, 0.75), OverflowError);
}

TEST(PairRatio, RangeEndsAreInsideAndTheWarningFollowsThePrintedText) {
  struct Row { double ratio; bool inside; };
  // 3.0004 prints as 3.000 yet lies outside.
  const Row rows[] = {{0.1, true}, {3.0, true}, {1, true}, {0.0999, false}, {3.0004, false}, {-1, false}};
  for (const Row& r : rows) EXPECT_EQ(RatioInFormulaRange(r.ratio), r.inside) << r.ratio;
  EXPECT_EQ(RatioText("3.000", false), "3.000 Warning!");
  EXPECT_EQ(RatioText("0.667", true), "0.667");
}

}  // namespace
}  // namespace cq
