#include "calc/via/bga_land_table.h"

#include "platform/numbers.h"

namespace cq {

const std::array<BgaLand, kBgaLandCount>& BgaLandTable() {
  static const std::array<BgaLand, kBgaLandCount> table{{
      {"0.75 mm", "0.55 mm", "0.60 mm - 0.50 mm"},
      {"0.65 mm", "0.50 mm", "0.55 mm - 0.45 mm"},
      {"0.60 mm", "0.45 mm", "0.50 mm - 0.40 mm"},
      {"0.55 mm", "0.40 mm", "0.45 mm - 0.35 mm"},
      {"0.50 mm", "0.40 mm", "0.45 mm - 0.35 mm"},
      {"0.45 mm", "0.35 mm", "0.40 mm - 0.30 mm"},
      {"0.40 mm", "0.30 mm", "0.35 mm - 0.25 mm"},
      {"0.35 mm", "0.30 mm", "0.35 mm - 0.25 mm"},
      {"0.30 mm", "0.25 mm", "0.25 mm - 0.20 mm"},
      {"0.25 mm", "0.20 mm", "0.20 mm - 0.17 mm"},
      {"0.20 mm", "0.17 mm", "0.20 mm - 0.14 mm"},
      {"0.17 mm", "0.15 mm", "0.18 mm - 0.12 mm"},
      {"0.15 mm", "0.13 mm", "0.15 mm - 0.10 mm"},
  }};
  return table;
}

std::string BgaText(const char* text, bool comma) {
  return LocalizeDecimalPoints(text, comma);
}

}  // namespace cq
