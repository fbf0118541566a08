#pragma once
// The decimal mode as the main window keeps it:
// "0" decimal point, "1" decimal comma, anything else not yet known.
#include <string_view>

namespace cq {

enum class DecimalMode { Point, Comma, Unknown };

constexpr DecimalMode DecimalModeOf(std::string_view caption) {
  if (caption == "0") return DecimalMode::Point;
  if (caption == "1") return DecimalMode::Comma;
  return DecimalMode::Unknown;
}

// The caption that keeps a known mode.
constexpr std::string_view DecimalModeCaption(bool comma) { return comma ? "1" : "0"; }

}  // namespace cq
