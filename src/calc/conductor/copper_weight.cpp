#include "calc/conductor/copper_weight.h"

#include "options/copper_items.h"
#include "platform/numbers.h"

namespace cq {

namespace {

std::optional<double> lookUp(CopperRadio radio, int item, bool metric) {
  const std::span<const CopperRow> rows = CopperRows(radio);
  if (item < 0 || static_cast<std::size_t>(item) >= rows.size()) return std::nullopt;
  const CopperRow& row = rows[static_cast<std::size_t>(item)];
  return metric ? row.mm : row.mils;
}

}  // namespace

std::optional<double> BaseCopperThicknessOf(int item, bool metric) {
  return lookUp(CopperRadio::Base, item, metric);
}

std::optional<double> PlatingThicknessOf(int item, bool metric) {
  return lookUp(CopperRadio::Plating, item, metric);
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
