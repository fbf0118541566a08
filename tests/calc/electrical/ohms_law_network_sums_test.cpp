// Sums of two to four values, as resistors in series and in parallel add
// (and capacitors and inductors with them), worked by hand.
#include "calc/electrical/ohms_law_networks_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <vector>

#include "platform/errors.h"

namespace cq {
namespace {

using Sum = double (*)(std::span<const double>);

struct TotalCase {
  Sum sum;
  std::vector<double> values;
  std::optional<double> total;  // nothing: the sum raises the division by zero
  double tolerance = 1e-12;
};

TEST(NetworkSums, SeriesAndParallel) {
  const TotalCase cases[] = {
      {SeriesSum, {330, 330}, 660},
      {SeriesSum, {1.5, 2.25, 4, 0}, 7.75},
      {SeriesSum, {-1, 3}, 2},
      {SeriesSum, {100, 220, 470, 1000}, 1790},
      {SeriesSum, {330, 0}, 330},
      // 1 / (1/330 + 1/330) = 165
      {ParallelSum, {330, 330}, 165},
      // 1 / (1/2 + 1/3 + 1/6) = 1
      {ParallelSum, {2, 3, 6}, 1},
      // 1 / (4 x 1/4) = 1
      {ParallelSum, {4, 4, 4, 4}, 1},
      // 1 / (1/330 - 1/110) = 330 / (1 - 3) = -165: a negative part is taken as typed
      {ParallelSum, {330, -110}, -165},
      // 1 / (1/100 + 1/220 + 1/470 + 1/1000) = 56.583124... (python3)
      {ParallelSum, {100, 220, 470, 1000}, 56.583124, 1e-6},
      // A zero in parallel, and reciprocals cancelling to zero: 1 / (1/2 - 1/2).
      {ParallelSum, {330, 0}, std::nullopt},
      {ParallelSum, {2, -2}, std::nullopt},
      {ParallelSum, {330, -330}, std::nullopt},
  };
  for (const TotalCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << (c.sum == SeriesSum ? "series" : "parallel") << " of "
                                      << ::testing::PrintToString(c.values));
    if (c.total)
      EXPECT_NEAR(c.sum(c.values), *c.total, c.tolerance);
    else
      EXPECT_THROW(c.sum(c.values), ZeroDivideError);
  }
}

}  // namespace
}  // namespace cq
