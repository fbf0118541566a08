#pragma once
// Height captions and hints that the impedance and differential-pair
// layouts share, written once.

namespace cq::height_texts {

inline constexpr const char* kAbove = "Enter the conductor's distance above its reference plane.";
inline constexpr const char* kBelow = "Enter the conductor's distance below its reference plane.";
inline constexpr const char* kSubstrate = "Enter the thickness of the substrate.";
inline constexpr const char* kH = "Conductor Height (H)";
inline constexpr const char* kH1 = "Conductor Height (H1)";
inline constexpr const char* kH2 = "Conductor Height (H2)";

}  // namespace cq::height_texts
