#pragma once
// Nominal BGA ball diameter to the PCB land: its nominal diameter and the
// variation range, all in mm.
#include <array>
#include <string>

namespace cq {

struct BgaLand {
  const char* ball;
  const char* land;
  const char* variation;
};

inline constexpr int kBgaLandCount = 13;
const std::array<BgaLand, kBgaLandCount>& BgaLandTable();

// A text of the table in the decimal mode: every '.' becomes ',' for a comma.
std::string BgaText(const char* text, bool comma);

}  // namespace cq
