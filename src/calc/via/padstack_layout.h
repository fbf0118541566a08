#pragma once
// How the pad-calculator type radio lays out the Padstack page: the shown
// controls, captions, hints, result widths and default inputs of each type.
#include <array>
#include <vector>

namespace cq {

struct PadstackCaption {
  const char* control;
  const char* caption;
};

struct PadstackHint {
  const char* control;
  const char* hint;
};

// Default input texts; nullptr leaves the field alone. The Metric texts take
// a comma in comma mode.
struct PadstackDefault {
  const char* control;
  const char* imperial;
  const char* metric;
};

struct PadstackTypeLayout {
  const char* picture;
  std::vector<const char*> shown;   // of the controls the type radio toggles
  std::vector<PadstackCaption> captions;
  std::vector<PadstackHint> hints;
  std::vector<PadstackDefault> defaults;
  std::vector<const char*> widened;  // results resized to resultWidth
  int resultWidth;
  bool enablesInputs;  // Edit33 .. Edit35 enabled (otherwise left as they are)
  bool usesUnits;      // Units switch and Solve! enabled
};

inline constexpr int kPadstackTypeCount = 7;
const std::array<PadstackTypeLayout, kPadstackTypeCount>& PadstackTypeLayouts();

// Every picture and every control that some type hides.
const std::vector<const char*>& PadstackPictures();
const std::vector<const char*>& PadstackToggledControls();

}  // namespace cq
