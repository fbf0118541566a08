#include "calc/tline/signal_units.h"

#include <array>

namespace cq {

std::optional<double> FrequencyUnitScale(int item) {
  static constexpr std::array<double, 4> kScale = {1000, 1, 0.001, 0.000001};
  if (item < 0 || item >= static_cast<int>(kScale.size())) return std::nullopt;
  return kScale[static_cast<size_t>(item)];
}

}  // namespace cq
