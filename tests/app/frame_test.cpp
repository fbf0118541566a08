// The program entry and the main window frame: windows, menus, tabs, the
// status bar, printing, exit and the input-handler families.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "app/calculator_table.h"
#include "platform/checked_math.h"
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

TEST(ProgramEntry, AMathsErrorShowsItsBoxTitledWithTheProgramsFileName) {
  TestProgram p;
  p.takeMessages();
  EXPECT_TRUE(std::isnan(Sqrt(-1.0)));
  EXPECT_EQ(Log(0.0), -INFINITY);
  EXPECT_EQ(p.takeMessages(), (std::vector<Message>{{Message::Kind::MathError, "sqrt: DOMAIN error", "cirquet"},
                                                    {Message::Kind::MathError, "log: SING error", "cirquet"}}));
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
  // The one round of messages runs with the label shown and the bar not yet.
  int shownDuringLoop = 0;
  p.fakes.loop.at(0, [&] {
    shownDuringLoop += p.form().control("Label29").visible() && !p.form().control("ProgressBar3").visible();
  });
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

// Which controls of the main window carry which key handlers, page by page:
// KD+KP solve on Enter and swallow it, KD only solve, KP only swallow.
std::vector<std::string> expand(std::initializer_list<const char*> names) {
  std::vector<std::string> out;
  for (std::string name : names) {
    const size_t dash = name.find('-');
    if (dash == std::string::npos) {
      out.push_back(name);
      continue;
    }
    // "Edit252-256": a run of numbered fields.
    const std::string stem = name.substr(0, name.find_first_of("0123456789"));
    const int first = std::stoi(name.substr(stem.size(), dash - stem.size()));
    const int last = std::stoi(name.substr(dash + 1));
    for (int n = first; n <= last; ++n) out.push_back(stem + std::to_string(n));
  }
  return out;
}

TEST(InputFamilies, EveryKeyHandlerOfTheMainWindowIsInItsFamilyTable) {
  const std::vector<std::string> both = expand({
      "Edit1", "Edit2", "Edit7", "Edit66", "Edit136", "Edit138",                              // Options
      "Edit227",                                                                              // Information
      "Edit19",                                                                               // 0
      "Edit67", "Edit68", "Edit74", "Edit226",                                                // 1
      "Edit15", "Edit18", "Edit126", "Edit128", "Edit130", "Edit132",                         // 2
      "Edit80", "Edit85", "Edit167", "Edit174", "Edit176", "Edit215", "Edit216", "Edit219",   // 3
      "Edit21", "Edit26", "Edit27", "Edit32", "Edit151", "Edit394", "Edit398", "Edit400",     // 4
      "Edit154", "Edit157", "Edit158",                                                        // 5
      "Edit25", "Edit46", "Edit224",                                                          // 6
      "Edit140", "Edit153", "Edit337",                                                        // 7
      "Edit236", "Edit238", "Edit239", "Edit245", "Edit246", "Edit252-256", "Edit281",        // 10
      "Edit282", "Edit288", "Edit290", "Edit292", "Edit294", "Edit309-313", "Edit346-349",    // 10
      "Edit356-359", "Edit366-369", "Edit376-379",                                            // 10
      "Edit33", "Edit34", "Edit35", "Edit211", "Edit213",                                     // 11
      "Edit105", "Edit107", "Edit108", "Edit110", "Edit228", "Edit229", "Edit234",            // 12
      "Edit88", "Edit89", "Edit91", "Edit92",                                                 // 13
      "Edit106", "Edit115", "Edit170", "Edit171", "Edit181", "Edit182", "Edit338", "Edit339",  // 14
      "Edit116", "Edit117", "Edit121", "Edit124",                                             // 15
      "Edit3", "Edit4", "Edit5", "Edit6", "Edit9", "Edit206", "Edit209", "Edit335", "Edit386",  // 16
      "Edit103", "Edit150",                                                                   // 17
      "Edit270", "Edit271", "Edit272",                                                        // 18
      "Edit146", "Edit148", "Edit195", "Edit197", "Edit199", "Edit201", "Edit203",            // obsolete
  });
  const std::vector<std::string> keyDownOnly = {"Edit79", "Edit244"};
  const std::vector<std::string> keyPressOnly = {"ComboBox1", "Edit22",    "CheckBox1", "ComboBox5", "ComboBox3",
                                                 "Memo1",     "ComboBox4", "CheckBox4"};
  std::map<std::string, std::string> expected;
  for (const auto& name : both) expected[name] = "KD+KP";
  for (const auto& name : keyDownOnly) expected[name] = "KD";
  for (const auto& name : keyPressOnly) expected[name] = "KP";

  TestProgram p;
  std::map<std::string, std::string> bound;
  for (Control* c : p.form().allControls()) {
    bool down = false, press = false;
    if (auto* k = dynamic_cast<KeyControl*>(c)) {
      down = static_cast<bool>(k->OnKeyDown);
      press = static_cast<bool>(k->OnKeyPress);
    } else if (auto* check = dynamic_cast<CheckBox*>(c)) {
      press = static_cast<bool>(check->OnKeyPress);
    }
    if (down || press) bound[c->name()] = down && press ? "KD+KP" : down ? "KD" : "KP";
  }
  EXPECT_EQ(bound, expected);
}

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
