// Totals of capacitor and inductor networks, worked by hand.
#include "calc/electrical/reactive_network_model.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/errors.h"

namespace cq {
namespace {

struct TotalCase {
  NetworkRule rule;
  std::vector<double> values;
  double total;
};

TEST(ReactiveNetworkModel, SumsAndReciprocalSums) {
  const TotalCase cases[] = {
      {NetworkRule::Sum, {330, 330}, 660},
      {NetworkRule::Sum, {1.5, 2.25, 4, 0}, 7.75},
      {NetworkRule::Sum, {-1, 3}, 2},
      // 1 / (1/330 + 1/330) = 165
      {NetworkRule::ReciprocalSum, {330, 330}, 165},
      // 1 / (1/2 + 1/3 + 1/6) = 1
      {NetworkRule::ReciprocalSum, {2, 3, 6}, 1},
      // 1 / (4 x 1/4) = 1
      {NetworkRule::ReciprocalSum, {4, 4, 4, 4}, 1},
      // 1 / (1/330 - 1/110) = 330 / (1 - 3) = -165: a negative part is taken as typed
      {NetworkRule::ReciprocalSum, {330, -110}, -165},
  };
  for (const TotalCase& c : cases) EXPECT_NEAR(NetworkTotal(c.rule, c.values), c.total, 1e-12) << c.values.size();
}

TEST(ReactiveNetworkModel, ReciprocalsOfZeroRaise) {
  const std::vector<double> zero = {330, 0};
  EXPECT_THROW(NetworkTotal(NetworkRule::ReciprocalSum, zero), ZeroDivideError);
  EXPECT_DOUBLE_EQ(NetworkTotal(NetworkRule::Sum, zero), 330);
  // Reciprocals cancelling to zero: 1 / (1/2 - 1/2)
  const std::vector<double> cancelling = {2, -2};
  EXPECT_THROW(NetworkTotal(NetworkRule::ReciprocalSum, cancelling), ZeroDivideError);
}

}  // namespace
}  // namespace cq
