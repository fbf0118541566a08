// Result boxes follow the program's colour rule on every calculator page:
// navy for a normal result; red only where the page marks a broken rule
// or names a red result of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "app/calculator_table.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

// Bandwidth's two maximum lengths are red by design.
const std::set<std::string> kRedByDesign = {"Edit24", "Edit45"};

bool OnPage(const Control& c, const std::string& page) {
  for (const Control* p = c.parent(); p; p = p->parent())
    if (p->name() == page) return true;
  return false;
}

bool HasNumber(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// The result boxes shown with a number in them that break the rule.
std::vector<std::string> Offenders(TestProgram& t, const std::string& page) {
  std::vector<std::string> out;
  for (const Control* c : t.form().allControls()) {
    const auto* box = dynamic_cast<const Edit*>(c);
    if (!box || !box->readOnly() || !box->showing() || !OnPage(*c, page) || !HasNumber(box->text())) continue;
    const Color want = kRedByDesign.count(c->name()) ? colors::Red : colors::Navy;
    if (c->fontColor() != want) out.push_back(c->name() + " \"" + box->text() + "\"");
  }
  return out;
}

TEST(ResultColours, EveryPageShowsItsResultsInNavyInBothUnitSystems) {
  TestProgram t;
  for (const CalculatorInfo& calculator : Calculators()) {
    for (int units : {0, 1}) {
      t.chooseMenu(std::string(calculator.menuItem));
      if (t.enabled("RadioGroup6")) t.selectRadio("RadioGroup6", units);
      EXPECT_EQ(Offenders(t, std::string(calculator.page)), std::vector<std::string>{})
          << calculator.menuItem << (units ? " Metric" : " Imperial");
    }
    ToImperial(t);
  }
}

}  // namespace
}  // namespace cq::test
