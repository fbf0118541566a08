// Reading order among siblings: rows from top to bottom, each from left to
// right, with the slack of one line's tops.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "small_form.h"
#include "ui_qt/reading_order.h"

namespace cq::ui {
namespace {

struct Placed {
  const char* name;
  Bounds bounds;
};

std::string OrderOf(const std::vector<Placed>& placed) {
  test::SmallForm model;
  std::vector<Control*> controls;
  for (const Placed& p : placed) {
    Control& c = model.form.create<Edit>(p.name);
    c.setBounds(p.bounds);
    controls.push_back(&c);
  }
  std::string order;
  for (const Control* c : InReadingOrder(controls)) order += c->name() + " ";
  return order;
}

TEST(ReadingOrder, RowsFromTopToBottomEachFromLeftToRight) {
  struct Case {
    std::vector<Placed> placed;
    const char* order;
  };
  const Case cases[] = {
      // A field, its unit box two pixels lower and a check box beside.
      {{{"unit", {120, 22, 40, 17}}, {"check", {180, 21, 60, 17}}, {"field", {10, 20, 100, 21}}},
       "field unit check "},
      // Two columns of fields: the rows, not the columns.
      {{{"b1", {200, 50, 80, 21}}, {"a2", {10, 80, 80, 21}}, {"a1", {10, 50, 80, 21}}, {"b2", {200, 80, 80, 21}}},
       "a1 b1 a2 b2 "},
      // Tall boxes side by side whose tops stray by more than a line: the
      // higher one first, wherever it stands.
      {{{"left", {8, 240, 276, 192}}, {"right", {292, 190, 276, 108}}, {"top", {8, 16, 276, 132}}},
       "top right left "},
      // A radio group and a panel whose tops are eight pixels apart.
      {{{"buttons", {176, 432, 161, 73}}, {"radio", {8, 424, 160, 81}}}, "radio buttons "},
      // Controls without a size, and two at the same place, keep their order.
      {{{"z2", {0, 0, 0, 0}}, {"z1", {0, 0, 0, 0}}, {"same1", {5, 5, 10, 10}}, {"same2", {5, 5, 10, 10}}},
       "z2 z1 same1 same2 "},
  };
  for (const Case& c : cases) EXPECT_EQ(OrderOf(c.placed), c.order);
}

}  // namespace
}  // namespace cq::ui
