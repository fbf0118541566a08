#include "calc/electrical/reactive_network_model.h"

#include "platform/checked_math.h"

namespace cq {

double NetworkTotal(NetworkRule rule, std::span<const double> values) {
  double sum = 0;
  for (double v : values) sum = Add(sum, rule == NetworkRule::Sum ? v : Div(1, v));
  return rule == NetworkRule::Sum ? sum : Div(1, sum);
}

}  // namespace cq
