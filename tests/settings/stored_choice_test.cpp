// A choice the user makes is stored as it is made, before the solves it
// starts. With the substrate box emptied every solve fails: the error box
// shows, the stored value still matches the window, and the next start
// brings the choice back.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

struct ChoiceCase {
  const char* what;
  // Stored settings other than the installed ones, for the first start.
  std::map<std::string, std::string> stored;
  void (*choose)(TestProgram&);
  const char* value;
  const char* text;
  // The choice starts a solve, which fails on the empty box.
  bool solves;
  // What the window shows of the choice, before and after the restart.
  std::string (*shown)(TestProgram&);
  const char* shownText;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.what; }

std::string ItemOf(TestProgram& t, const char* name) { return std::to_string(t.itemIndex(name)); }
std::string CheckedOf(TestProgram& t, const char* name) {
  return t.form("Form6").get<CheckBox>(name).checked() ? "checked" : "unchecked";
}

void OpenOptions(TestProgram& t) { t.chooseMenu("CopperWeight1"); }

const ChoiceCase kChoices[] = {
    {"UnitsToMetric", {}, [](TestProgram& t) { t.selectRadio("RadioGroup6", 1); }, "Units", "1", true,
     [](TestProgram& t) { return ItemOf(t, "RadioGroup6"); }, "1"},
    {"UnitsToImperial", {{"Units", "1"}}, [](TestProgram& t) { t.selectRadio("RadioGroup6", 0); }, "Units", "0", true,
     [](TestProgram& t) { return ItemOf(t, "RadioGroup6"); }, "0"},
    {"IpcWithoutModifiers", {},
     [](TestProgram& t) {
       OpenOptions(t);
       t.selectRadio("Form6.RadioGroup1", 1);
     },
     "IPC_Version", "1", true, [](TestProgram& t) { return ItemOf(t, "Form6.RadioGroup1"); }, "1"},
    {"Ipc2221", {},
     [](TestProgram& t) {
       OpenOptions(t);
       t.selectRadio("Form6.RadioGroup1", 2);
     },
     "IPC_Version", "2", true, [](TestProgram& t) { return ItemOf(t, "Form6.RadioGroup1"); }, "2"},
    {"IpcBackToModifiers", {{"IPC_Version", "2"}},
     [](TestProgram& t) {
       OpenOptions(t);
       t.selectRadio("Form6.RadioGroup1", 0);
     },
     "IPC_Version", "0", true, [](TestProgram& t) { return ItemOf(t, "Form6.RadioGroup1"); }, "0"},
    {"EtchFactorNone", {},
     [](TestProgram& t) {
       OpenOptions(t);
       t.selectRadio("Form6.RadioGroup2", 2);
     },
     "Derating", "2", true, [](TestProgram& t) { return ItemOf(t, "Form6.RadioGroup2"); }, "2"},
    {"ManualCopper", {},
     [](TestProgram& t) {
       OpenOptions(t);
       t.click("Form6.CheckBox1");
     },
     "Manual_Copper_Weight", "1", false, [](TestProgram& t) { return CheckedOf(t, "CheckBox1"); }, "checked"},
    {"ViaHeightDisabled", {},
     [](TestProgram& t) {
       OpenOptions(t);
       t.click("Form6.CheckBox2");
     },
     "Via_Height_Enable", "0", true, [](TestProgram& t) { return CheckedOf(t, "CheckBox2"); }, "checked"},
    {"ThroughHoleLimit", {},
     [](TestProgram& t) {
       OpenOptions(t);
       t.type("Form6.Edit1", "12");
     },
     "TH_Via_AR_Setting", "12", true, [](TestProgram& t) { return t.text("Form6.Edit1"); }, "12"},
    {"MicroviaLimit", {},
     [](TestProgram& t) {
       OpenOptions(t);
       t.type("Form6.Edit2", "0.75");
     },
     "UVia_AR_Setting", "0.75", true, [](TestProgram& t) { return t.text("Form6.Edit2"); }, "0.75"},
    {"Theme", {},
     [](TestProgram& t) {
       OpenOptions(t);
       t.selectCombo("Form6.cbxVclStyles", 3);
     },
     "Cirquet_Theme", "3", false, [](TestProgram& t) { return t.fakes.styles.active; }, "Slate"},
    {"CalculatorFromTheMenu", {}, [](TestProgram& t) { t.chooseMenu("RFImpedances1"); }, "Program", "1", true,
     [](TestProgram& t) { return std::to_string(t.main().CurrentCalculator); }, "1"},
    {"CalculatorFromATab", {}, [](TestProgram& t) { t.chooseTab(4); }, "Program", "4", true,
     [](TestProgram& t) { return std::to_string(t.main().CurrentCalculator); }, "4"},
    // Only the Units switch reads the copper choices back, so a start in
    // Metric shows them; a page where the radios take input.
    {"BaseCopperInMetric", {{"Units", "1"}, {"Program", "4"}},
     [](TestProgram& t) { t.selectRadio("RadioGroup4", 3); }, "Base_Weight", "3", true,
     [](TestProgram& t) { return ItemOf(t, "RadioGroup4"); }, "3"},
};

class StoredChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(StoredChoice, IsStoredWhenASolveFailsAndComesBackAtTheNextStart) {
  const ChoiceCase& c = GetParam();
  StartOptions options;
  options.settings = TestProgram::installedSettings();
  for (const auto& [name, text] : c.stored) options.settings[name] = text;
  TestProgram t(options);
  ASSERT_TRUE(t.takeMessages().empty());
  // "Custom", with the box emptied for the user's own value.
  t.focus("Edit7");
  t.click("Edit7");
  ASSERT_EQ(t.text("Edit7"), "");

  c.choose(t);

  const std::vector<Message> failed{ErrorBox("'' is not a valid floating point value")};
  EXPECT_EQ(t.takeMessages(), c.solves ? failed : std::vector<Message>{});
  EXPECT_EQ(c.shown(t), c.shownText);
  EXPECT_EQ(t.setting(c.value), c.text);

  StartOptions restart;
  restart.settings = t.fakes.settings.keys.at(TestProgram::settingsKey());
  TestProgram next(restart);
  EXPECT_TRUE(next.takeMessages().empty());
  EXPECT_EQ(c.shown(next), c.shownText);
  // The start puts the stored values back and changes none of them.
  EXPECT_EQ(next.fakes.settings.keys.at(TestProgram::settingsKey()), restart.settings);
}

INSTANTIATE_TEST_SUITE_P(Choices, StoredChoice, ::testing::ValuesIn(kChoices),
                         [](const auto& param) { return std::string(param.param.what); });

}  // namespace
}  // namespace cq::test
