#include "calc/conductor/conductor_cross_section.h"

#include "platform/control_group.h"

namespace cq {

const std::array<CrossSectionRow, 8>& CrossSectionPictures() {
  static const std::array<CrossSectionRow, 8> rows = {{
      {0, 0, 0, "Image51"},
      {0, 0, 1, "Image52"},
      {0, 1, 0, "Image54"},
      {0, 1, 1, "Image53"},
      {1, 0, 0, "Image49"},
      {1, 0, 1, "Image15"},
      {1, 1, 0, "Image50"},
      {1, 1, 1, "Image3"},
  }};
  return rows;
}

ConductorCrossSection::ConductorCrossSection(const Form& form, const RadioGroup& layer, const RadioGroup& parallel,
                                             const RadioGroup& plane)
    : layer_(layer), parallel_(parallel), plane_(plane) {
  const auto& rows = CrossSectionPictures();
  for (size_t i = 0; i < rows.size(); ++i) pictures_[i] = &form.image(std::string(rows[i].picture));
}

void ConductorCrossSection::show() const {
  const auto& rows = CrossSectionPictures();
  size_t chosen = rows.size();
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i].layer == layer_.itemIndex() && rows[i].parallel == parallel_.itemIndex() &&
        rows[i].plane == plane_.itemIndex())
      chosen = i;
  if (chosen == rows.size()) return;
  ShowOnly(pictures_, chosen);
}

}  // namespace cq
