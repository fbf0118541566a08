#include "ui_qt/reading_order.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace cq::ui {

bool SameRow(const Bounds& a, const Bounds& b) {
  // Tall boxes side by side are separate rows unless their tops nearly
  // meet: a field's height is the most one line's tops stray by.
  constexpr int kFieldHeight = 21;
  return 2 * std::abs(b.top - a.top) < std::min({a.height, b.height, kFieldHeight});
}

std::vector<Control*> InReadingOrder(std::vector<Control*> controls) {
  std::stable_sort(controls.begin(), controls.end(),
                   [](const Control* a, const Control* b) { return a->bounds().top < b->bounds().top; });
  for (auto row = controls.begin(); row != controls.end();) {
    const Bounds opener = (*row)->bounds();
    auto end = std::find_if(std::next(row), controls.end(),
                            [&opener](const Control* c) { return !SameRow(opener, c->bounds()); });
    std::stable_sort(row, end, [](const Control* a, const Control* b) { return a->bounds().left < b->bounds().left; });
    row = end;
  }
  return controls;
}

}  // namespace cq::ui
