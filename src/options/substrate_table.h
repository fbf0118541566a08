#pragma once
// The board materials of the substrate list: dielectric constant in both
// decimal forms, glass-transition temperature and the IPC current factor.
#include <array>
#include <string_view>

namespace cq {

struct SubstrateRow {
  std::string_view item;     // the list's text
  std::string_view er;       // decimal point form
  std::string_view erComma;  // decimal comma form
  std::string_view tg;       // degrees C, or "N/A"
  double modifier;           // SubstrateModifier
  // "Custom" carries no values: the boxes keep what the user typed.
  bool custom = false;

  std::string_view erText(bool decimalComma) const { return decimalComma ? erComma : er; }
};

inline constexpr int kSubstrateCount = 46;
inline constexpr int kDefaultSubstrate = 0;  // "FR-4 STD"
inline constexpr int kAirSubstrate = 44;
inline constexpr int kCustomSubstrate = 45;

// One row per item of the list, in its order.
const std::array<SubstrateRow, kSubstrateCount>& SubstrateTable();

// The row whose values a selection applies; nullptr for "Custom" and for an
// index outside the list (no selection).
const SubstrateRow* MaterialValues(int index);

}  // namespace cq
