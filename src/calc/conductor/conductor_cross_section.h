#pragma once
// The one cross-section picture of the Conductor Properties page, chosen by
// the layer, the "Parallel Conductors?" radio and the "Plane Present?" radio.
#include <array>
#include <string_view>

#include "platform/form.h"

namespace cq {

struct CrossSectionRow {
  int layer;     // RadioGroup3: 0 internal, 1 external
  int parallel;  // RadioGroup15: 0 no, 1 yes
  int plane;     // RadioGroup2: 0 no, 1 yes
  std::string_view picture;
};

const std::array<CrossSectionRow, 8>& CrossSectionPictures();

class ConductorCrossSection {
 public:
  // The three radios are the page's; the pictures are bound here by name.
  ConductorCrossSection(const Form& form, const RadioGroup& layer, const RadioGroup& parallel,
                        const RadioGroup& plane);
  // Shows the picture of the current selections and hides the other seven.
  // With a selection outside the table the pictures stay as they are.
  void show() const;

 private:
  const RadioGroup& layer_;
  const RadioGroup& parallel_;
  const RadioGroup& plane_;
  std::array<Image*, 8> pictures_{};
};

}  // namespace cq
