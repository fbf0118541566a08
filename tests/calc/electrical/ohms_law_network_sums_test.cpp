// Sums of two to four values, as resistors in series and in parallel add
// (and capacitors and inductors with them), worked by hand.
#include "calc/electrical/ohms_law_networks_model.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "platform/errors.h"

namespace cq {
namespace {

using Sum = double (*)(std::span<const double>);

struct TotalCase {
  Sum sum;
  std::vector<double> values;
  double total;
};

TEST(NetworkSums, SeriesAndParallel) {
  const TotalCase cases[] = {
      {SeriesSum, {330, 330}, 660},
      {SeriesSum, {1.5, 2.25, 4, 0}, 7.75},
      {SeriesSum, {-1, 3}, 2},
      // 1 / (1/330 + 1/330) = 165
      {ParallelSum, {330, 330}, 165},
      // 1 / (1/2 + 1/3 + 1/6) = 1
      {ParallelSum, {2, 3, 6}, 1},
      // 1 / (4 x 1/4) = 1
      {ParallelSum, {4, 4, 4, 4}, 1},
      // 1 / (1/330 - 1/110) = 330 / (1 - 3) = -165: a negative part is taken as typed
      {ParallelSum, {330, -110}, -165},
  };
  for (const TotalCase& c : cases) EXPECT_NEAR(c.sum(c.values), c.total, 1e-12) << c.values.size();
}

TEST(NetworkSums, AZeroInParallelRaises) {
  const std::vector<double> zero = {330, 0};
  EXPECT_THROW(ParallelSum(zero), ZeroDivideError);
  EXPECT_DOUBLE_EQ(SeriesSum(zero), 330);
  // Reciprocals cancelling to zero: 1 / (1/2 - 1/2)
  const std::vector<double> cancelling = {2, -2};
  EXPECT_THROW(ParallelSum(cancelling), ZeroDivideError);
}

}  // namespace
}  // namespace cq
