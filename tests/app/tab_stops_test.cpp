// Tab visits what the user types into and passes every read-only box (a
// result or a unit) by, on every window and calculator page.
#include <gtest/gtest.h>

#include <string>

#include "support/test_program.h"

namespace cq::test {
namespace {

TEST(TabStops, ReadOnlyBoxesAreNoStopsAndFieldsAre) {
  TestProgram t;
  int readOnly = 0;
  for (const char* window : {"Form1", "Form2", "Form4", "Form5", "Form6", "Form8", "Form9"}) {
    for (const Control* c : t.form(window).allControls()) {
      const auto* box = dynamic_cast<const Edit*>(c);
      if (!box) continue;
      const std::string where = std::string(window) + "." + c->name();
      if (box->readOnly()) {
        ++readOnly;
        EXPECT_FALSE(box->tabStop()) << where;
      } else {
        EXPECT_TRUE(box->tabStop()) << where;
      }
    }
  }
  // A unit box of the via page and a result of Planar Inductors among them.
  EXPECT_FALSE(t.form().edit("Edit52").tabStop());
  EXPECT_FALSE(t.form().edit("Edit90").tabStop());
  EXPECT_GT(readOnly, 100);
}

}  // namespace
}  // namespace cq::test
