#include "support/page_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace cq::test {

Message InfoBox(const std::string& text) { return {Message::Kind::Info, text, {}}; }
Message ErrorBox(const std::string& text) { return {Message::Kind::Error, text, {}}; }
Message MathErrorBox(const std::string& text) { return {Message::Kind::MathError, text, {}}; }

std::vector<Message> TakeMessageTexts(TestProgram& t) {
  std::vector<Message> shown = t.takeMessages();
  for (Message& m : shown)
    if (m.kind == Message::Kind::MathError) m.caption.clear();
  return shown;
}

StartOptions DecimalStart(bool comma) {
  StartOptions options;
  options.decimalSeparator = comma ? "," : ".";
  return options;
}

StartOptions SettingsStart(int program, bool metric, bool comma) {
  StartOptions options = DecimalStart(comma);
  options.settings = TestProgram::installedSettings();
  options.settings["Program"] = std::to_string(program);
  options.settings["Units"] = metric ? "1" : "0";
  return options;
}

bool ShowsNonFinite(const std::string& text) {
  static const std::regex word(R"((^|[^A-Za-z])(INF|NAN)([^A-Za-z]|$))");
  return std::regex_search(text, word);
}

std::string WithComma(std::string text) {
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

Texts Joined(Texts a, const Texts& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Texts InDecimalForm(const Texts& pointTexts, bool comma) {
  Texts shown;
  for (const auto& [name, text] : pointTexts) shown.emplace_back(name, InDecimalForm(text, comma));
  return shown;
}

void OpenCalculator(TestProgram& t, const std::string& menuItem) {
  t.chooseMenu(menuItem);
  t.takeMessages();
  t.takeSolves();
}

void OpenCalculator(TestProgram& t, const std::string& menuItem, bool metric) {
  t.chooseMenu(menuItem);
  if (metric) ChooseUnits(t, true);
  t.takeMessages();
  t.takeSolves();
}

void OpenCalculatorWith(TestProgram& t, const std::string& menuItem, const Texts& fields) {
  t.chooseMenu(menuItem);
  EnterAll(t, fields);
  t.takeMessages();
  t.takeSolves();
}

void OpenStructure(TestProgram& t, const std::string& menuItem, int structure, bool metric) {
  t.chooseMenu(menuItem);
  t.selectRadio("RadioGroup3", structure);
  if (metric) ChooseUnits(t, true);
  t.takeMessages();
  t.takeSolves();
}

void ChooseUnits(TestProgram& t, bool metric) { t.selectRadio("RadioGroup6", metric ? 1 : 0); }

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

TextsByName TextsOf(TestProgram& t, const std::vector<std::string>& names) {
  TextsByName shown;
  for (const auto& name : names) shown[name] = t.text(name);
  return shown;
}

TextsByName Paired(const std::vector<std::string>& names, const std::vector<std::string>& texts) {
  EXPECT_EQ(names.size(), texts.size()) << "a text for each name";
  TextsByName paired;
  for (size_t i = 0; i < names.size() && i < texts.size(); ++i) paired[names[i]] = texts[i];
  return paired;
}

TextsByName With(TextsByName base, const TextsByName& changes) {
  for (const auto& [name, text] : changes) {
    EXPECT_EQ(base.count(name), 1u) << name << " is none of the texts it changes";
    base[name] = text;
  }
  return base;
}

}  // namespace cq::test
