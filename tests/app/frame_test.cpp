// The program entry and the main window frame: windows, menus, tabs, the
// status bar, printing, exit and the input-handler families.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/calculator_table.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

TEST(ProgramEntry, CreatesTheSevenWindowsInOrderAfterTheStyleAndTitle) {
  TestProgram p;
  std::vector<std::string> names;
  for (const auto& f : p.program().app().forms()) names.push_back(f->name());
  EXPECT_EQ(names, (std::vector<std::string>{"Form1", "Form2", "Form4", "Form5", "Form6", "Form8", "Form9"}));
  ASSERT_FALSE(p.fakes.styles.requested.empty());
  EXPECT_EQ(p.fakes.styles.requested.front(), "Charcoal HiRes");
  EXPECT_EQ(p.program().app().title(), "Quillonex PCB Design Cirquet");
  EXPECT_EQ(p.program().app().mainForm(), &p.form());
}

TEST(ProgramEntry, EveryRegisteredHandlerIsBoundByTheMainWindowDescription) {
  TestProgram p;
  EXPECT_EQ(p.main().handlers().unusedNames(), std::vector<std::string>{});
}

TEST(ProgramEntry, AnErrorThatEscapesTheEntryGoesToTheErrorBoxAndTheStatusIsZero) {
  FakeServices fakes;
  int status = RunProgram(fakes.services(), [](Program&) { throw std::runtime_error("boom"); });
  EXPECT_EQ(status, 0);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0], (Message{Message::Kind::Error, "boom", {}}));
}

TEST(MainWindowFrame, IsAFixedCentredWindowWithoutMaximise) {
  TestProgram p;
  Form& f = p.form();
  EXPECT_EQ(f.caption().rfind("Quillonex PCB Design, Inc. - Cirquet V8.31 - ", 0), 0u) << f.caption();
  EXPECT_EQ(f.clientWidth(), 963);
  EXPECT_EQ(f.clientHeight(), 763);
  EXPECT_EQ(f.borderStyle(), BorderStyle::Single);
  EXPECT_FALSE(f.maximizeBox());
  EXPECT_TRUE(f.minimizeBox());
  EXPECT_TRUE(f.centered());
  EXPECT_EQ(f.font().name, "Verdana");
  EXPECT_EQ(f.font().height, 11);
}

TEST(MainWindowFrame, StatusBarTimerAndPanelsAsDesigned) {
  TestProgram p;
  auto& status = p.form().get<StatusBar>("StatusBar1");
  EXPECT_EQ(status.bounds(), (Bounds{0, 743, 963, 20}));
  EXPECT_TRUE(status.autoHint());
  ASSERT_EQ(status.panels().size(), 2u);
  EXPECT_EQ(status.panels()[0].width, 650);
  EXPECT_EQ(status.panels()[1].width, 50);
  EXPECT_EQ(status.panels()[1].alignment, Alignment::Right);
  auto& timer = p.form().get<Timer>("Timer1");
  EXPECT_EQ(timer.interval(), 750);
  EXPECT_TRUE(timer.timerEnabled());
}

TEST(MainWindowFrame, TabsAndProgramFunctionMenuFollowTheCalculatorTable) {
  TestProgram p;
  auto& tabs = p.form().get<TabControl>("TabControl1");
  ASSERT_EQ(tabs.tabs().size(), 19u);
  EXPECT_TRUE(tabs.multiLine());
  EXPECT_EQ(tabs.bounds(), (Bounds{0, 0, 961, 737}));
  auto& menu = p.form().menuItem("Function1");
  ASSERT_EQ(menu.children().size(), 19u);
  for (const auto& c : Calculators()) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(tabs.tabs()[static_cast<size_t>(c.index)], c.tabCaption);
    const Control* item = menu.children()[static_cast<size_t>(c.index)];
    EXPECT_EQ(item->name(), c.menuItem);
    EXPECT_EQ(item->caption(), c.menuCaption);
    EXPECT_EQ(p.form().groupBox(std::string(c.page)).caption(), c.pageCaption);
    EXPECT_EQ(p.form().groupBox(std::string(c.page)).bounds(), (Bounds{10, 8, 576, 561}));
  }
}

TEST(MainWindowFrame, MenusShowTheirCaptionsAndHideTheResourcesMenu) {
  TestProgram p;
  struct Row {
    const char* item;
    const char* caption;
    bool selectable;
  };
  const Row rows[] = {
      {"F1", "&File", true},
      {"PrinterSetup1", "Printer &Setup", true},
      {"Print1", "&Print Form", true},
      {"Exit1", "&Exit", true},
      {"ool1", "&Tools", true},
      {"CopperWeight1", "&Program Options", true},
      {"Resources1", "&EDA Resources", false},
      {"Resources2", "&Resources", false},
      {"Help1", "&Help", true},
      {"N1", "-", false},
      {"ReinstallRegistryKeys1", "Re&install Registry Keys", true},
      {"N7", "|", false},
      {"Feedback1", "&Contact Quillonex PCB Design, Inc.", true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.item);
    auto& item = p.form().menuItem(r.item);
    EXPECT_EQ(item.caption(), r.caption);
    EXPECT_EQ(item.selectable(), r.selectable);
  }
  EXPECT_FALSE(p.form().menuItem("Resources1").visible());
}

TEST(MainWindowFrame, ClosingTheMainWindowIsAlwaysAllowed) {
  TestProgram p;
  EXPECT_FALSE(p.program().app().terminated());
  p.closeWindow("Form1");
  EXPECT_TRUE(p.program().app().terminated());
  EXPECT_TRUE(p.fakes.process.exits.empty());
}

TEST(Printing, ShowsTheProgressRowForOneSecondThenPrintsTheWindowWithTheRowHidden) {
  TestProgram p;
  bool rowHiddenWhenPrinted = false;
  int positionWhenPrinted = -1;
  p.fakes.printer.onPrint = [&](Form& f) {
    rowHiddenWhenPrinted = !f.control("Label29").visible() && !f.control("ProgressBar3").visible();
    positionWhenPrinted = f.get<ProgressBar>("ProgressBar3").position();
  };
  int shownDuringLoop = 0;
  p.fakes.loop.at(0, [&] { shownDuringLoop += p.form().control("Label29").visible(); });
  p.answerNext(true);
  p.click("Button2");
  EXPECT_EQ(p.fakes.printer.printed, std::vector<std::string>{"Form1"});
  EXPECT_TRUE(rowHiddenWhenPrinted);
  EXPECT_EQ(positionWhenPrinted, 0);
  EXPECT_EQ(shownDuringLoop, 1);
  EXPECT_EQ(p.fakes.loop.sleeps, 101);
  EXPECT_EQ(p.fakes.loop.now, 1010);
}

TEST(Printing, PrinterSetupRunsTheDialog) {
  TestProgram p;
  p.chooseMenu("PrinterSetup1");
  EXPECT_EQ(p.fakes.printer.setups, 1);
  EXPECT_TRUE(p.messages().empty());
}

// Enter in a bound field: which fields solve and which swallow the key.
struct EnterRow {
  const char* control;
  int solves;
  bool swallowed;
};

void PrintTo(const EnterRow& row, std::ostream* os) { *os << row.control; }

class EnterKey : public ::testing::TestWithParam<EnterRow> {};

TEST_P(EnterKey, SolvesAndSwallowsAsItsFamiliesSay) {
  const EnterRow& row = GetParam();
  TestProgram p;
  Control& c = p.control(row.control);
  // The control must be able to take the focus: show and enable it and its page.
  for (Control* up = &c; up; up = up->parent()) {
    up->setVisible(true);
    up->setEnabled(true);
  }
  p.takeSolves();
  char received = 0;
  if (auto* check = dynamic_cast<CheckBox*>(&c)) {
    c.userFocus();
    received = check->userKeyPress('\r');
  } else {
    c.userFocus();
    received = dynamic_cast<KeyControl&>(c).userPressEnter(ShiftState::Shift);
  }
  EXPECT_EQ(p.takeSolves(), row.solves);
  EXPECT_EQ(received == 0, row.swallowed);
}

INSTANTIATE_TEST_SUITE_P(Families, EnterKey,
                         ::testing::Values(EnterRow{"Edit6", 1, true},       // via length: both handlers
                                           EnterRow{"Edit386", 1, true},     // shares Edit6's pair
                                           EnterRow{"Edit226", 1, true},     // shares Edit67's key-down
                                           EnterRow{"Edit79", 1, false},     // key-down only
                                           EnterRow{"Edit244", 1, false},    // key-down only
                                           EnterRow{"ComboBox1", 0, true},   // key-press only
                                           EnterRow{"Edit22", 0, true},      // key-press only
                                           EnterRow{"Memo1", 0, true},       // key-press only
                                           EnterRow{"CheckBox1", 0, true}),  // key-press only
                         [](const auto& param_info) { return std::string(param_info.param.control); });

TEST(InputFamilies, OtherKeysPassUnchangedAndDoNotSolve) {
  TestProgram p;
  p.takeSolves();
  p.focus("Edit1");
  EXPECT_EQ(p.form().edit("Edit1").userKey('A', 'a'), 'a');
  EXPECT_EQ(p.takeSolves(), 0);
}

TEST(InputFamilies, UpDownsHaveTheirRangesStartPositionsAndBuddies) {
  TestProgram p;
  struct Row {
    const char* upDown;
    const char* buddy;
    int min, max, position;
  };
  const Row rows[] = {{"UpDown1", "Edit1", 0, 300, 20},
                      {"UpDown2", "Edit2", -81, 300, 22},
                      {"UpDown4", "Edit107", 0, 100, 5},
                      {"UpDown5", "Edit110", 1, 100, 50},
                      {"UpDown6", "Edit227", 1, 999, 10}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.upDown);
    auto& u = p.form().upDown(r.upDown);
    EXPECT_EQ(u.min(), r.min);
    EXPECT_EQ(u.max(), r.max);
    EXPECT_EQ(u.position(), r.position);
    ASSERT_NE(u.associate(), nullptr);
    EXPECT_EQ(u.associate()->name(), r.buddy);
    EXPECT_EQ(u.associate()->text(), std::to_string(r.position));
  }
}

TEST(InputFamilies, AnArrowSolvesWithTheOldValueThenWithTheNewOne) {
  TestProgram p;
  std::vector<std::string> seen;
  p.main().addPreSolveStep([&] { seen.push_back(p.text("Edit1")); });
  p.arrow("UpDown1", true);
  EXPECT_EQ(seen, (std::vector<std::string>{"20", "21"}));
  EXPECT_EQ(p.text("Label2"), "37.8");
}

TEST(InputFamilies, LeavingTheAmbientArrowsValidatesWithoutSolving) {
  TestProgram p;
  p.focus("UpDown2");
  p.form().edit("Edit2").setText("-81");
  p.takeSolves();
  p.focus("Edit1");
  EXPECT_EQ(p.takeSolves(), 0);
  ASSERT_EQ(p.messages().size(), 1u);
  EXPECT_EQ(p.messages()[0].text, "Minimum ambient temperature can't be less than -80C");
  EXPECT_EQ(p.text("Edit2"), "-80");
  EXPECT_EQ(p.text("Label4"), "-112.0");
}

}  // namespace
}  // namespace cq::test
