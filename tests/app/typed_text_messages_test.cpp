// A typed text is quoted whole by the box that names it, a NUL inside it
// (pasted, or put there by another program) included.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/test_program.h"

namespace cq::test {
namespace {

struct TypedCase {
  const char* where;
  std::function<void(TestProgram&, const std::string&)> enter;
};

const TypedCase kCases[] = {
    {"a field read by its solve",
     [](TestProgram& p, const std::string& text) {
       p.type("Edit3", text);
       p.pressEnter("Edit3");
     }},
    {"a field read with either separator",
     [](TestProgram& p, const std::string& text) {
       p.chooseMenu("PlanarInductors1");
       p.type("Edit89", text);
       p.pressEnter("Edit89");
     }},
    {"a Program Options limit",
     [](TestProgram& p, const std::string& text) {
       p.form("Form6").show();
       p.type("Form6.Edit1", text);
     }},
    {"a field the Units switch reads",
     [](TestProgram& p, const std::string& text) {
       p.type("Edit3", text);
       p.selectRadio("RadioGroup6", 1);
     }},
};

TEST(TypedTextMessages, ATextHoldingANulIsQuotedWhole) {
  const std::string typed("1\0" "2", 3);
  for (const TypedCase& c : kCases) {
    SCOPED_TRACE(c.where);
    TestProgram p;
    p.takeMessages();
    c.enter(p, typed);
    EXPECT_EQ(p.takeMessages(),
              (std::vector<Message>{{Message::Kind::Error, "'" + typed + "' is not a valid floating point value", ""}}));
  }
}

}  // namespace
}  // namespace cq::test
