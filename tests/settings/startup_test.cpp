// Start-up as the user sees it: the loader puts the stored settings into
// the windows and activates the stored calculator, the splash runs for four
// seconds while window messages keep running, and its tail writes the
// manual copper defaults and solves once more.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "options/copper_items.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

using Settings = std::map<std::string, std::string>;

const char* const kIntegerError = "'' is not a valid integer value";
const char* const kFloatError = "'' is not a valid floating point value";

// The settings script's key with some values changed.
StartOptions installed(const Settings& changes = {}, const std::string& separator = ".") {
  StartOptions options;
  options.decimalSeparator = separator;
  options.settings = TestProgram::installedSettings();
  for (const auto& [name, text] : changes) options.settings[name] = text;
  return options;
}

// Builds the windows, lets the test prepare them, then runs start-up.
std::unique_ptr<TestProgram> startAfter(StartOptions options, const std::function<void(TestProgram&)>& prepare) {
  options.showMainWindow = false;
  auto p = std::make_unique<TestProgram>(options);
  prepare(*p);
  p->showMainWindow();
  return p;
}

std::vector<std::string> errorsShown(TestProgram& p) {
  std::vector<std::string> errors;
  for (const auto& m : p.messages())
    if (m.kind == Message::Kind::Error) errors.push_back(m.text);
  return errors;
}

// The texts written to one value, in order.
std::vector<std::string> writesOf(TestProgram& p, const std::string& name) {
  std::vector<std::string> texts;
  for (const auto& [key, value, text] : p.fakes.settings.writes)
    if (value == name) texts.push_back(text);
  return texts;
}

// What each solve of start-up saw: the active calculator and whether the
// loader window was still open.
struct SolveSeen {
  int calculator;
  bool loaderOpen;
};

// seen must outlive p.
void recordSolves(TestProgram& p, std::vector<SolveSeen>& seen) {
  p.main().addPreSolveStep([&p, &seen] { seen.push_back({p.main().CurrentCalculator, p.form("Form4").visible()}); });
}

void expectSplashRanToItsEnd(TestProgram& p) {
  EXPECT_FALSE(p.form("Form4").visible());
  EXPECT_EQ(p.form("Form4").get<ProgressBar>("ProgressBar1").position(), 0);
  EXPECT_EQ(p.text("Form4.Label3"), "Starting program....");
  EXPECT_EQ(p.startUp().sleeps, 101);
  EXPECT_EQ(p.startUp().timeMs, 4040);
}

void expectProgramOptionsAtDesign(TestProgram& p) {
  EXPECT_EQ(p.itemIndex("Form6.RadioGroup1"), 0);
  EXPECT_EQ(p.itemIndex("Form6.RadioGroup2"), 0);
  EXPECT_FALSE(p.form("Form6").checkBox("CheckBox1").checked());
  EXPECT_FALSE(p.form("Form6").checkBox("CheckBox2").checked());
  EXPECT_EQ(p.text("Form6.Edit1"), "10");
  EXPECT_EQ(p.text("Form6.Edit2"), "1");
}

TEST(StartUp, TheInstalledKeyStartsOnViaPropertiesInImperialWithNothingReported) {
  std::vector<SolveSeen> solves;
  auto p = startAfter(installed(), [&](TestProgram& t) {
    recordSolves(t, solves);
    t.form().edit("Edit136").setText("5");
    t.form().edit("Edit138").setText("6");
    t.form().edit("Edit4").setText("1");
    t.form().edit("Edit5").setText("2");
  });
  EXPECT_TRUE(p->messages().empty());
  EXPECT_FALSE(p->form().control("Label301").visible());
  EXPECT_EQ(p->main().CurrentCalculator, 16);
  EXPECT_EQ(p->form().get<TabControl>("TabControl1").tabIndex(), 16);
  EXPECT_TRUE(p->showing("GroupBox1"));
  EXPECT_EQ(p->itemIndex("RadioGroup6"), 0);
  EXPECT_EQ(p->text("Label165"), "0");
  expectProgramOptionsAtDesign(*p);
  // IPC-2152 with modifiers leaves no choice of what to solve for.
  EXPECT_FALSE(p->form().control("RadioGroup8").enabled());
  // The via defaults of the loader and the manual copper defaults of the tail.
  EXPECT_EQ(p->text("Edit4"), "20");
  EXPECT_EQ(p->text("Edit5"), "40");
  EXPECT_EQ(p->text("Edit136"), "0.7");
  EXPECT_EQ(p->text("Edit138"), "1.4");
  EXPECT_EQ(p->itemIndex("RadioGroup4"), 1);
  EXPECT_EQ(p->itemIndex("RadioGroup1"), 2);
  expectSplashRanToItsEnd(*p);
  // The loader solves behind the open splash; the last solve comes after it.
  ASSERT_GE(solves.size(), 2u);
  EXPECT_TRUE(solves.front().loaderOpen);
  EXPECT_EQ(solves.back().calculator, 16);
  EXPECT_FALSE(solves.back().loaderOpen);
  EXPECT_EQ(p->setting("Program"), "16");
}

// A complete key that cannot be changed (a read-only file or folder):
// start-up writes back only values the key holds, which is no failure, in
// either unit system and decimal mode; a change is still refused and
// reported, and nothing stored changes.
TEST(StartUp, AReadOnlyCompleteKeyStartsWithNothingReportedAndStillReportsAChange) {
  for (const char* separator : {".", ","}) {
    for (const char* units : {"0", "1"}) {
      SCOPED_TRACE(std::string("Units ") + units + ", separator '" + separator + "'");
      StartOptions options = installed({{"Units", units}}, separator);
      options.readOnlyStore = true;
      TestProgram p(options);
      EXPECT_EQ(p.takeMessages(), std::vector<Message>{});
      EXPECT_EQ(p.main().CurrentCalculator, 16);
      p.selectRadio("RadioGroup6", std::string(units) == "0" ? 1 : 0);
      EXPECT_EQ(p.takeMessages(),
                (std::vector<Message>{{Message::Kind::Error, "Failed to set data for 'Units'", ""}}));
      EXPECT_EQ(p.fakes.settings.keys[TestProgram::settingsKey()], options.settings);
    }
  }
}

TEST(StartUp, ACommaLocaleRefillsTheCopperRadiosInCommaFormWithTheStoredItems) {
  TestProgram p(installed({}, ","));
  EXPECT_TRUE(p.messages().empty());
  EXPECT_EQ(p.text("Label165"), "1");
  EXPECT_EQ(p.items("RadioGroup4"), CopperItems(CopperRadio::Base, CopperForm::Comma));
  EXPECT_EQ(p.items("RadioGroup1"), CopperItems(CopperRadio::Plating, CopperForm::Comma));
  EXPECT_EQ(p.itemIndex("RadioGroup4"), 1);  // "0,5oz"
  EXPECT_EQ(p.itemIndex("RadioGroup1"), 2);  // "1oz"
  // The selections in the refilled radios store their values again.
  EXPECT_EQ(writesOf(p, "Base_Weight"), std::vector<std::string>{"1"});
  EXPECT_EQ(writesOf(p, "Plate_Weight"), std::vector<std::string>{"2"});
  EXPECT_EQ(p.text("Edit136"), "0,7");
  EXPECT_EQ(p.text("Edit138"), "1,4");
  EXPECT_EQ(p.main().CurrentCalculator, 16);
}

TEST(StartUp, MetricUnitsSwitchBeforeTheCalculatorIsActivatedAndSkipTheImperialTail) {
  int calculatorAtSwitch = -1;
  size_t programWritesAtSwitch = 99;
  auto p = startAfter(installed({{"Units", "1"}}, ","), [&](TestProgram& t) {
    auto& units = t.form().radio("RadioGroup6");
    units.OnClick = [&t, &calculatorAtSwitch, &programWritesAtSwitch, next = units.OnClick](Control* sender) {
      calculatorAtSwitch = t.main().CurrentCalculator;
      programWritesAtSwitch = writesOf(t, "Program").size();
      if (next) next(sender);
    };
  });
  EXPECT_EQ(p->itemIndex("RadioGroup6"), 1);
  EXPECT_EQ(calculatorAtSwitch, 0);
  EXPECT_EQ(programWritesAtSwitch, 0u);
  EXPECT_EQ(p->main().CurrentCalculator, 16);
  // No comma refill and no Imperial manual defaults in Metric.
  EXPECT_NE(p->items("RadioGroup4"), CopperItems(CopperRadio::Base, CopperForm::Comma));
  EXPECT_NE(p->text("Edit136"), "0,7");
}

TEST(StartUp, ARegistryStatusOtherThanZeroShowsTheLabelAndLoadsEverything) {
  TestProgram p(installed({{"Registry_Status", "1"}, {"Program", "12"}}));
  EXPECT_TRUE(p.showing("Label301"));
  EXPECT_EQ(p.text("Label301"), "Registry Error!");
  EXPECT_EQ(p.main().CurrentCalculator, 12);
  EXPECT_TRUE(p.messages().empty());
}

// The splash lets window messages run: a calculator chosen while it runs is
// activated at once, and the splash and its tail then carry on with it.
TEST(StartUp, AUserClickDuringTheSplashActivatesBeforeTheTailRuns) {
  std::vector<SolveSeen> solves;
  std::string clockDuringSplash;
  auto p = startAfter(installed(), [&](TestProgram& t) {
    recordSolves(t, solves);
    t.form().edit("Edit136").setText("5");
    t.fakes.loop.at(1000, [&t] { t.chooseMenu("OhmsLaw1"); });
    t.fakes.loop.at(2000, [&t, &clockDuringSplash] {
      t.tick();
      clockDuringSplash = t.form().get<StatusBar>("StatusBar1").panels()[1].text;
    });
  });
  EXPECT_EQ(p->main().CurrentCalculator, 10);
  EXPECT_TRUE(p->showing("GroupBox47"));
  EXPECT_EQ(writesOf(*p, "Program"), (std::vector<std::string>{"16", "10"}));
  EXPECT_EQ(clockDuringSplash, "10:46:13  10/12/2026");
  EXPECT_EQ(p->text("Edit136"), "0.7");
  expectSplashRanToItsEnd(*p);
  ASSERT_FALSE(solves.empty());
  EXPECT_EQ(solves.back().calculator, 10);
  EXPECT_FALSE(solves.back().loaderOpen);
  EXPECT_TRUE(p->messages().empty());
}

// A key that exists but lacks a value, holds an empty text or one that is
// no number: the loader stops with the conversion error at the step that
// converts it, the steps before it stay, and the splash and its tail run.
struct DamagedKey {
  const char* value;
  std::optional<std::string> text;  // nothing: the value is missing
  std::vector<std::string> errors;
  bool activated;
  const char* throughHoleLimit;  // Form6.Edit1: "12" once the limits are loaded
  bool registryErrorShown;
};

void PrintTo(const DamagedKey& row, std::ostream* os) { *os << row.value << "=" << row.text.value_or("<missing>"); }

class LoaderStops : public ::testing::TestWithParam<DamagedKey> {};

TEST_P(LoaderStops, AtTheStepThatConvertsTheValueAndTheSplashStillRuns) {
  const DamagedKey& row = GetParam();
  StartOptions options = installed({{"TH_Via_AR_Setting", "12"}});
  if (row.text)
    options.settings[row.value] = *row.text;
  else
    options.settings.erase(row.value);
  std::vector<SolveSeen> solves;
  auto p = startAfter(options, [&](TestProgram& t) {
    recordSolves(t, solves);
    t.form().edit("Edit136").setText("5");
  });
  EXPECT_EQ(errorsShown(*p), row.errors);
  EXPECT_EQ(p->showing("Label301"), row.registryErrorShown);
  EXPECT_EQ(p->main().CurrentCalculator, row.activated ? 16 : 0);
  EXPECT_EQ(p->form().get<TabControl>("TabControl1").tabIndex(), row.activated ? 16 : 0);
  // Without an activation every page still shows as the description lays them out.
  EXPECT_EQ(p->showing("GroupBox6"), !row.activated);
  EXPECT_EQ(p->text("Form6.Edit1"), row.throughHoleLimit);
  EXPECT_EQ(p->text("Edit136"), "0.7");
  expectSplashRanToItsEnd(*p);
  ASSERT_FALSE(solves.empty());
  EXPECT_FALSE(solves.back().loaderOpen);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LoaderStops,
    ::testing::Values(DamagedKey{"Units", std::nullopt, {kIntegerError}, false, "10", false},
                      DamagedKey{"Units", "", {kIntegerError}, false, "10", false},
                      DamagedKey{"Units", "abc", {"'abc' is not a valid integer value"}, false, "10", false},
                      DamagedKey{"Program", std::nullopt, {kIntegerError}, false, "10", false},
                      DamagedKey{"Derating", std::nullopt, {kIntegerError}, true, "10", false},
                      DamagedKey{"TH_Via_AR_Setting", std::nullopt, {kFloatError}, true, "10", false},
                      DamagedKey{"Manual_Copper_Weight", std::nullopt, {kIntegerError}, true, "12", false},
                      DamagedKey{"Via_Height_Enable", std::nullopt, {kIntegerError}, true, "12", false},
                      DamagedKey{"Registry_Status", std::nullopt, {}, true, "12", true},
                      DamagedKey{"Base_Weight", std::nullopt, {}, true, "12", false}));

TEST(StartUp, AStoredCalculatorThatDoesNotExistActivatesTheTabShown) {
  for (const char* program : {"19", "-1", "250"}) {
    SCOPED_TRACE(program);
    TestProgram p(installed({{"Program", program}}));
    EXPECT_TRUE(p.messages().empty());
    EXPECT_EQ(p.main().CurrentCalculator, 0);
    EXPECT_TRUE(p.showing("GroupBox6"));
    EXPECT_FALSE(p.showing("GroupBox1"));
    EXPECT_EQ(p.setting("Program"), "0");
  }
}

// The stored copper choices come back at every start, in both unit systems
// and in both decimal forms; an index past the last item selects the last.
struct CopperStart {
  const char* units;
  const char* separator;
  const char* base;
  const char* plating;
  int baseItem;
  int platingItem;
};

void PrintTo(const CopperStart& row, std::ostream* os) {
  *os << "units " << row.units << " '" << row.separator << "' " << row.base << "/" << row.plating;
}

class StoredCopper : public ::testing::TestWithParam<CopperStart> {};

TEST_P(StoredCopper, SelectsTheStoredItems) {
  const CopperStart& row = GetParam();
  TestProgram p(installed({{"Units", row.units}, {"Base_Weight", row.base}, {"Plate_Weight", row.plating}},
                          row.separator));
  EXPECT_TRUE(p.messages().empty());
  EXPECT_EQ(p.itemIndex("RadioGroup4"), row.baseItem);
  EXPECT_EQ(p.itemIndex("RadioGroup1"), row.platingItem);
  // What the radios show is what is stored for the next start.
  EXPECT_EQ(p.setting("Base_Weight"), std::to_string(row.baseItem));
  EXPECT_EQ(p.setting("Plate_Weight"), std::to_string(row.platingItem));
}

INSTANTIATE_TEST_SUITE_P(Starts, StoredCopper,
                         ::testing::Values(CopperStart{"0", ".", "4", "0", 4, 0},  //
                                           CopperStart{"0", ",", "4", "0", 4, 0},  //
                                           CopperStart{"1", ".", "4", "0", 4, 0},  //
                                           CopperStart{"1", ",", "7", "5", 7, 5},  //
                                           CopperStart{"0", ".", "12", "9", 8, 6},  //
                                           CopperStart{"0", ",", "12", "9", 8, 6},  //
                                           CopperStart{"0", ".", "-3", "6", 0, 6}));

TEST(StartUp, TheStoredProgramOptionsReachTheirControls) {
  TestProgram p(installed({{"Derating", "7"},
                           {"TH_Via_AR_Setting", "12.50"},
                           {"UVia_AR_Setting", "0.8"},
                           {"Manual_Copper_Weight", "1"},
                           {"IPC_Version", "2"},
                           {"Via_Height_Enable", "0"}}));
  EXPECT_EQ(errorsShown(p), std::vector<std::string>{});
  EXPECT_EQ(p.itemIndex("Form6.RadioGroup2"), 2);  // past the last item: the last
  EXPECT_EQ(p.text("Form6.Edit1"), "12.5");
  EXPECT_EQ(p.text("Form6.Edit2"), "0.8");
  EXPECT_TRUE(p.form("Form6").checkBox("CheckBox1").checked());
  EXPECT_EQ(p.itemIndex("Form6.RadioGroup1"), 2);
  EXPECT_TRUE(p.form().control("RadioGroup8").enabled());
  EXPECT_TRUE(p.form("Form6").checkBox("CheckBox2").checked());
}

TEST(StartUp, AStoredLimitInCommaFormLoadsWithACommaLocale) {
  TestProgram p(installed({{"TH_Via_AR_Setting", "2,5"}}, ","));
  EXPECT_TRUE(p.messages().empty());
  EXPECT_EQ(p.text("Form6.Edit1"), "2,5");
}

}  // namespace
}  // namespace cq::test
