#include "support/page_steps.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cq::test {

Message InfoBox(const std::string& text) { return {Message::Kind::Info, text, {}}; }
Message ErrorBox(const std::string& text) { return {Message::Kind::Error, text, {}}; }

StartOptions DecimalStart(bool comma) {
  StartOptions options;
  options.decimalSeparator = comma ? "," : ".";
  return options;
}

std::string WithComma(std::string text) {
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

void OpenCalculator(TestProgram& t, const std::string& menuItem) {
  t.chooseMenu(menuItem);
  t.takeMessages();
  t.takeSolves();
}

void Enter(TestProgram& t, const std::string& field, const std::string& text) {
  t.type(field, text);
  t.pressEnter(field);
}

void EnterAll(TestProgram& t, const Texts& fields) {
  ASSERT_FALSE(fields.empty());
  for (const auto& [field, text] : fields) t.type(field, text);
  t.pressEnter(fields.back().first);
}

void ExpectTexts(TestProgram& t, const Texts& expected) {
  for (const auto& [name, text] : expected) EXPECT_EQ(t.text(name), text) << name;
}

}  // namespace cq::test
