#include "calc/conductor/copper_weight.h"

#include <array>

#include "platform/numbers.h"

namespace cq {

namespace {

struct CopperRow {
  double mils;
  double mm;
};

constexpr std::array<CopperRow, kBaseCopperItems> kBaseCopper = {{
    {0.35, 0.009},  // 0.25oz
    {0.7, 0.018},   // 0.5oz
    {1.4, 0.035},   // 1oz
    {2.1, 0.053},   // 1.5oz
    {2.8, 0.07},    // 2oz
    {3.5, 0.088},   // 2.5oz
    {4.2, 0.106},   // 3oz
    {5.6, 0.142},   // 4oz
    {7.0, 0.178},   // 5oz
}};

constexpr std::array<CopperRow, kPlatingCopperItems> kPlatingCopper = {{
    {0, 0},         // Bare PCB
    {0.7, 0.018},   // 0.5oz
    {1.4, 0.035},   // 1oz
    {2.1, 0.053},   // 1.5oz
    {2.8, 0.07},    // 2oz
    {3.5, 0.088},   // 2.5oz
    {4.2, 0.106},   // 3oz
}};

template <std::size_t N>
std::optional<double> lookUp(const std::array<CopperRow, N>& rows, int item, bool metric) {
  if (item < 0 || static_cast<std::size_t>(item) >= N) return std::nullopt;
  const CopperRow& row = rows[static_cast<std::size_t>(item)];
  return metric ? row.mm : row.mils;
}

}  // namespace

std::optional<double> BaseCopperThicknessOf(int item, bool metric) {
  return lookUp(kBaseCopper, item, metric);
}

std::optional<double> PlatingThicknessOf(int item, bool metric) {
  return lookUp(kPlatingCopper, item, metric);
}

double ManualCopperThickness(double boxValue, bool metric) {
  return metric ? boxValue / 1000 : boxValue;
}

void CopperWeightThickness(const CopperSelection& selection, double& base, double& plating) {
  if (selection.manual) {
    base = ManualCopperThickness(ParseLocaleFloat(selection.baseText), selection.metric);
    plating = ManualCopperThickness(ParseLocaleFloat(selection.platingText), selection.metric);
    return;
  }
  if (auto value = BaseCopperThicknessOf(selection.baseItem, selection.metric)) base = *value;
  if (auto value = PlatingThicknessOf(selection.platingItem, selection.metric)) plating = *value;
}

}  // namespace cq
