#include "options/copper_items.h"

#include <array>

namespace cq {

namespace {

constexpr std::array<CopperRow, 9> kBase = {{
    {"0.25oz", "0,25oz", "9um", 0.35, 0.009},
    {"0.5oz", "0,5oz", "18um", 0.7, 0.018},
    {"1oz", "1oz", "35um", 1.4, 0.035},
    {"1.5oz", "1,5oz", "53um", 2.1, 0.053},
    {"2oz", "2oz", "70um", 2.8, 0.07},
    {"2.5oz", "2,5oz", "88um", 3.5, 0.088},
    {"3oz", "3oz", "106um", 4.2, 0.106},
    {"4oz", "4oz", "142um", 5.6, 0.142},
    {"5oz", "5oz", "178um", 7.0, 0.178},
}};

// Bare board, then the base weights from 0.5oz to 3oz.
constexpr std::array<CopperRow, 7> kPlating = {{
    {"Bare PCB", "Bare PCB", "Bare PCB", 0, 0},
    kBase[1],
    kBase[2],
    kBase[3],
    kBase[4],
    kBase[5],
    kBase[6],
}};

std::string_view textOf(const CopperRow& row, CopperForm form) {
  switch (form) {
    case CopperForm::Comma: return row.comma;
    case CopperForm::Metric: return row.metric;
    case CopperForm::Point: break;
  }
  return row.point;
}
}  // namespace

std::span<const CopperRow> CopperRows(CopperRadio radio) {
  if (radio == CopperRadio::Base) return kBase;
  return kPlating;
}

CopperForm CopperFormFor(bool metric, bool decimalComma) {
  if (metric) return CopperForm::Metric;
  return decimalComma ? CopperForm::Comma : CopperForm::Point;
}

std::vector<std::string> CopperItems(CopperRadio radio, CopperForm form) {
  const std::span<const CopperRow> rows = CopperRows(radio);
  std::vector<std::string> items;
  items.reserve(rows.size());
  for (const CopperRow& row : rows) items.emplace_back(textOf(row, form));
  return items;
}

}  // namespace cq
