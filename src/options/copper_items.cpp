#include "options/copper_items.h"

#include <array>
#include <span>
#include <string_view>

namespace cq {

namespace {
struct CopperRow {
  std::string_view point, comma, metric;
};

constexpr std::array<CopperRow, 9> kBase = {{
    {"0.25oz", "0,25oz", "9um"},
    {"0.5oz", "0,5oz", "18um"},
    {"1oz", "1oz", "35um"},
    {"1.5oz", "1,5oz", "53um"},
    {"2oz", "2oz", "70um"},
    {"2.5oz", "2,5oz", "88um"},
    {"3oz", "3oz", "106um"},
    {"4oz", "4oz", "142um"},
    {"5oz", "5oz", "178um"},
}};

constexpr std::array<CopperRow, 7> kPlating = {{
    {"Bare PCB", "Bare PCB", "Bare PCB"},
    {"0.5oz", "0,5oz", "18um"},
    {"1oz", "1oz", "35um"},
    {"1.5oz", "1,5oz", "53um"},
    {"2oz", "2oz", "70um"},
    {"2.5oz", "2,5oz", "88um"},
    {"3oz", "3oz", "106um"},
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

CopperForm CopperFormFor(bool metric, bool decimalComma) {
  if (metric) return CopperForm::Metric;
  return decimalComma ? CopperForm::Comma : CopperForm::Point;
}

std::vector<std::string> CopperItems(CopperRadio radio, CopperForm form) {
  std::span<const CopperRow> rows = radio == CopperRadio::Base ? std::span<const CopperRow>(kBase)
                                                               : std::span<const CopperRow>(kPlating);
  std::vector<std::string> items;
  items.reserve(rows.size());
  for (const CopperRow& row : rows) items.emplace_back(textOf(row, form));
  return items;
}

}  // namespace cq
