#pragma once
// The copper weights of the base-copper and plating radios: the item texts
// and the thickness of each. The item index always stands for the same
// copper weight; only its text changes with the unit system and the
// decimal mode.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cq {

enum class CopperRadio { Base, Plating };  // RadioGroup4, RadioGroup1
enum class CopperForm { Point, Comma, Metric };

struct CopperRow {
  std::string_view point, comma, metric;  // the item's texts
  // The thickness; the mm are the table's own, not converted mils.
  double mils, mm;
};

// The rows of a radio, item by item.
std::span<const CopperRow> CopperRows(CopperRadio radio);

// Metric texts carry no decimals, so the decimal mode counts in Imperial only.
CopperForm CopperFormFor(bool metric, bool decimalComma);

std::vector<std::string> CopperItems(CopperRadio radio, CopperForm form);

}  // namespace cq
