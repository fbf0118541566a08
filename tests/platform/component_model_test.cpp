// The framework's event rules, each as a table of cases.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/form.h"
#include "support/fake_services.h"

namespace cq {
namespace {

class ComponentModel : public ::testing::Test {
 protected:
  test::FakeServices fakes;
  Application app{fakes.services()};
  Form form{app, "Form1", "TForm1"};
  std::vector<std::string> log;

  void SetUp() override { form.show(); }
  NotifyEvent logger(const std::string& what) {
    return [this, what](Control*) { log.push_back(what); };
  }
};

// Setting a value from code runs the handler only when the value changes.
struct CodeWrite {
  const char* name;
  std::function<void(Form&)> write;
  int runs;
};

TEST_F(ComponentModel, CodeWritesRunHandlersOnlyOnChange) {
  auto& edit = form.create<Edit>("Edit1");
  auto& radio = form.create<RadioGroup>("RadioGroup1");
  auto& check = form.create<CheckBox>("CheckBox1");
  auto& track = form.create<TrackBar>("TrackBar1");
  edit.OnChange = logger("edit");
  radio.OnClick = logger("radio");
  check.OnClick = logger("check");
  track.OnChange = logger("track");
  radio.setItems({"a", "b", "c"});
  track.setRange(0, 10);

  const std::vector<CodeWrite> cases = {
      {"edit new text", [](Form& f) { f.edit("Edit1").setText("12"); }, 1},
      {"edit same text", [](Form& f) { f.edit("Edit1").setText("12"); }, 0},
      {"radio select", [](Form& f) { f.radio("RadioGroup1").setItemIndex(1); }, 1},
      {"radio same item", [](Form& f) { f.radio("RadioGroup1").setItemIndex(1); }, 0},
      {"radio past last selects last", [](Form& f) { f.radio("RadioGroup1").setItemIndex(7); }, 1},
      {"radio past last again", [](Form& f) { f.radio("RadioGroup1").setItemIndex(9); }, 0},
      // Clearing the selection checks no item, so nothing is clicked.
      {"radio selection cleared", [](Form& f) { f.radio("RadioGroup1").setItemIndex(-1); }, 0},
      {"radio selected again", [](Form& f) { f.radio("RadioGroup1").setItemIndex(2); }, 1},
      {"check on", [](Form& f) { f.checkBox("CheckBox1").setChecked(true); }, 1},
      {"check on again", [](Form& f) { f.checkBox("CheckBox1").setChecked(true); }, 0},
      {"track move", [](Form& f) { f.trackBar("TrackBar1").setPosition(4); }, 1},
      {"track same", [](Form& f) { f.trackBar("TrackBar1").setPosition(4); }, 0},
      {"track beyond range clamps", [](Form& f) { f.trackBar("TrackBar1").setPosition(40); }, 1},
      {"track beyond range again", [](Form& f) { f.trackBar("TrackBar1").setPosition(50); }, 0},
  };
  for (const auto& c : cases) {
    log.clear();
    c.write(form);
    EXPECT_EQ(static_cast<int>(log.size()), c.runs) << c.name;
  }
  EXPECT_EQ(radio.itemIndex(), 2);
  EXPECT_EQ(track.position(), 10);
}

// Emptying a radio group leaves no item selected, so selecting after a
// refill always clicks, even the position that was selected before.
TEST_F(ComponentModel, EmptiedRadioGroupSelectsNothingSoRefillAlwaysClicks) {
  auto& radio = form.create<RadioGroup>("RadioGroup3");
  radio.OnClick = [&](Control*) { log.push_back("click " + std::to_string(radio.itemIndex())); };
  const std::vector<std::string> layers = {"Microstrip", "Stripline"};

  struct Case {
    const char* name;
    std::function<void()> refill;
    int select;  // -2: select nothing after the refill
    std::vector<std::string> clicks;
    int index;
  };
  const std::vector<Case> cases = {
      {"emptied: nothing selected, nothing run", [&] { radio.clearItems(); }, -2, {}, -1},
      {"emptied and refilled item by item", [&] { radio.clearItems(); radio.addItem("Microstrip"); radio.addItem("Stripline"); },
       -2, {}, -1},
      {"same position after a clear and refill",
       [&] { radio.clearItems(); radio.addItem("Microstrip"); radio.addItem("Stripline"); }, 0, {"click 0"}, 0},
      {"same position after a refill in one go", [&] { radio.setItems(layers); }, 0, {"click 0"}, 0},
      {"past the last item after a refill", [&] { radio.setItems(layers); }, 5, {"click 1"}, 1},
      {"selecting with no items", [&] { radio.clearItems(); }, 0, {}, -1},
      {"same position without a refill", [] {}, 0, {}, 0},
  };
  for (const auto& c : cases) {
    radio.setItems(layers);
    radio.setItemIndex(0);
    log.clear();
    c.refill();
    if (c.select != -2) radio.setItemIndex(c.select);
    EXPECT_EQ(log, c.clicks) << c.name;
    EXPECT_EQ(radio.itemIndex(), c.index) << c.name;
  }
}

struct UserChoice {
  const char* name;
  std::function<void(Form&)> act;
  int runs;
};

TEST_F(ComponentModel, CodeSelectionsOfCombosAndTabsRunNothingUserChoicesDo) {
  auto& combo = form.create<ComboBox>("ComboBox1");
  auto& tabs = form.create<TabControl>("TabControl1");
  auto& radio = form.create<RadioGroup>("RadioGroup6");
  combo.setItems({"FR-4 STD", "Air"});
  tabs.setTabs({"A", "B", "C"});
  radio.setItems({"Imperial", "Metric"});
  radio.setItemIndex(0);
  combo.OnChange = logger("combo");
  tabs.OnChange = logger("tab");
  radio.OnClick = logger("radio");

  const std::vector<UserChoice> cases = {
      {"combo from code", [](Form& f) { f.comboBox("ComboBox1").setItemIndex(1); }, 0},
      {"combo by the user", [](Form& f) { f.comboBox("ComboBox1").userSelect(0); }, 1},
      {"tab from code", [](Form& f) { f.get<TabControl>("TabControl1").setTabIndex(2); }, 0},
      {"tab by the user", [](Form& f) { f.get<TabControl>("TabControl1").userSelect(1); }, 1},
      {"the user's current tab", [](Form& f) { f.get<TabControl>("TabControl1").userSelect(1); }, 0},
      {"user clicks the selected radio item", [](Form& f) { f.radio("RadioGroup6").userSelect(0); }, 0},
      {"user clicks another radio item", [](Form& f) { f.radio("RadioGroup6").userSelect(1); }, 1},
  };
  for (const auto& c : cases) {
    log.clear();
    c.act(form);
    EXPECT_EQ(static_cast<int>(log.size()), c.runs) << c.name;
  }
  EXPECT_EQ(combo.text(), "FR-4 STD");
}

// An arrow click: the changing handler sees the old text, then the step
// writes the buddy (its change handler runs), then the click handler.
TEST_F(ComponentModel, UpDownChangingRunsBeforeTheStepAndClickAfter) {
  auto& edit = form.create<Edit>("Edit1");
  auto& updown = form.create<UpDown>("UpDown1");
  updown.setRange(0, 300);
  updown.setAssociate(&edit);
  updown.OnChanging = [&](Control*, bool&) { log.push_back("changing " + edit.text()); };
  updown.OnClickButton = [&](Control*, UpDownButton b) {
    log.push_back(std::string(b == UpDownButton::Up ? "up " : "down ") + edit.text());
  };

  struct Case {
    int position;
    const char* buddy;
    UpDownButton button;
    std::vector<std::string> log;
  };
  const std::vector<Case> cases = {
      {20, "20", UpDownButton::Up, {"changing 20", "buddy 21", "up 21"}},
      // The buddy's text is the position the arrow starts from.
      {20, "200", UpDownButton::Up, {"changing 200", "buddy 201", "up 201"}},
      {20, "1", UpDownButton::Down, {"changing 1", "buddy 0", "down 0"}},
      // At the end of the range both handlers still run; nothing moves.
      {20, "300", UpDownButton::Up, {"changing 300", "up 300"}},
      {20, "0", UpDownButton::Down, {"changing 0", "down 0"}},
      // A text that is no position: the step goes from the last position.
      {300, "abc", UpDownButton::Down, {"changing abc", "buddy 299", "down 299"}},
  };
  for (const auto& c : cases) {
    edit.OnChange = nullptr;
    updown.setPosition(c.position);
    edit.setText(c.buddy);
    edit.OnChange = [&](Control*) { log.push_back("buddy " + edit.text()); };
    log.clear();
    updown.userClick(c.button);
    EXPECT_EQ(log, c.log) << c.buddy;
  }

  // A changing handler that refuses keeps the position; the click still runs.
  updown.OnChanging = [&](Control*, bool& allow) {
    log.push_back("changing " + edit.text());
    allow = false;
  };
  edit.setText("20");
  log.clear();
  updown.userClick(UpDownButton::Up);
  EXPECT_EQ(log, (std::vector<std::string>{"changing 20", "up 20"}));
  EXPECT_EQ(updown.position(), 20);
}

TEST_F(ComponentModel, EffectiveEnabledAndHiddenPagesBlockUserInput) {
  auto& page = form.create<GroupBox>("GroupBox5");
  auto& edit = form.create<Edit>("Edit15", &page);
  auto& button = form.create<Button>("Button1", &page);
  button.OnClick = logger("click");

  struct Case {
    const char* name;
    bool formEnabled, pageVisible, pageEnabled, controlEnabled;
    bool accepts;
  };
  const std::vector<Case> cases = {
      {"all on", true, true, true, true, true},
      {"control disabled", true, true, true, false, false},
      {"parent disabled", true, true, false, true, false},
      {"page hidden", true, false, true, true, false},
      {"window disabled", false, true, true, true, false},
  };
  for (const auto& c : cases) {
    form.setEnabled(c.formEnabled);
    page.setVisible(c.pageVisible);
    page.setEnabled(c.pageEnabled);
    button.setEnabled(c.controlEnabled);
    edit.setEnabled(c.controlEnabled);
    log.clear();
    button.userClick();
    EXPECT_EQ(button.effectivelyEnabled(), c.formEnabled && c.pageEnabled && c.controlEnabled) << c.name;
    EXPECT_EQ(!log.empty(), c.accepts) << c.name;
    EXPECT_EQ(edit.userPressEnter() != 0, c.accepts) << c.name;
    EXPECT_EQ(edit.userFocus(), c.accepts) << c.name;
  }
}

TEST_F(ComponentModel, AnErrorEndsTheWholeChainAtTheEventBoundary) {
  auto& edit = form.create<Edit>("Edit1");
  auto& result = form.create<Label>("Label1");
  auto& button = form.create<Button>("Button1");
  int after = 0;
  auto inner = [&] {
    result.setCaption("written before");
    throw ConvertError("'x' is not a valid floating point value");
  };
  auto outer = [&] {
    inner();
    ++after;  // never reached: the error ends every caller
  };
  button.OnClick = [&](Control*) { outer(); };
  edit.OnKeyDown = [&](Control*, int&, ShiftState) { outer(); };
  auto& timer = form.create<Timer>("Timer1");
  timer.OnTimer = [&](Control*) { outer(); };
  form.OnShow = [&](Control*) { outer(); };
  form.OnCreate = [&](Control*) { outer(); };

  const std::vector<std::pair<const char*, std::function<void()>>> events = {
      {"click", [&] { button.userClick(); }},
      {"key", [&] { edit.userPressEnter(); }},
      {"timer", [&] { timer.tick(); }},
      {"show", [&] { form.setVisible(false); form.show(); }},
      {"create", [&] { form.runCreateHandler(); }},
  };
  for (const auto& [name, fire] : events) {
    fakes.dialogs.shown.clear();
    result.setCaption("");
    fire();
    ASSERT_EQ(fakes.dialogs.shown.size(), 1u) << name;
    EXPECT_EQ(fakes.dialogs.shown[0].kind, test::Message::Kind::Error) << name;
    EXPECT_EQ(fakes.dialogs.shown[0].text, "'x' is not a valid floating point value") << name;
    EXPECT_EQ(result.caption(), "written before") << name;
  }
  EXPECT_EQ(after, 0);
}

// Boundaries nest: a modal box lets the timer tick, and a window shown from
// a handler runs its show handler as an event of its own. An error in the
// inner event is shown and ends only that event; the outer handler goes on.
TEST_F(ComponentModel, AnErrorInANestedEventEndsOnlyTheNestedEvent) {
  auto& result = form.create<Label>("Label1");
  auto& status = form.create<Label>("Label2");
  auto& button = form.create<Button>("Button1");
  auto& timer = form.create<Timer>("Timer1");
  timer.OnTimer = [&](Control*) {
    status.setCaption("tick");
    throw InvalidOpError();
  };
  Form second{app, "Form4", "TForm4"};
  second.OnShow = [&](Control*) {
    second.setCaption("loading");
    throw ConvertError("'' is not a valid integer value");
  };

  struct Case {
    const char* name;
    std::function<void()> inner;  // runs inside the outer handler
    test::Message error;
  };
  const std::vector<Case> cases = {
      {"timer tick inside a message box",
       [&] {
         bool ticked = false;
         fakes.dialogs.whileOpen = [&] {
           if (ticked) return;  // the error box opens too: tick once only
           ticked = true;
           timer.tick();
         };
         app.dialogs().showInfo("Maximum temperature rise can't be greater than 200C");
         fakes.dialogs.whileOpen = nullptr;
       },
       {test::Message::Kind::Error, "Invalid floating point operation", {}}},
      {"show handler of another window",
       [&] {
         second.setVisible(false);
         second.show();
       },
       {test::Message::Kind::Error, "'' is not a valid integer value", {}}},
  };
  for (const auto& c : cases) {
    fakes.dialogs.shown.clear();
    result.setCaption("");
    button.OnClick = [&](Control*) {
      result.setCaption("before");
      c.inner();
      result.setCaption("after");
    };
    button.userClick();
    EXPECT_EQ(result.caption(), "after") << c.name;
    ASSERT_FALSE(fakes.dialogs.shown.empty()) << c.name;
    EXPECT_EQ(fakes.dialogs.shown.back(), c.error) << c.name;
  }
  EXPECT_EQ(status.caption(), "tick") << "the tick's text written before its error stays";
  EXPECT_EQ(second.caption(), "loading");
  EXPECT_TRUE(second.visible()) << "the window is shown although its show handler failed";
}

// The arrow's two notifications and a key's down and press reach the
// program as separate events: an error ends only the handler that raised it.
TEST_F(ComponentModel, ArrowNotificationsAndKeyStagesAreSeparateEvents) {
  auto& edit = form.create<Edit>("Edit1");
  auto& updown = form.create<UpDown>("UpDown1");
  updown.setRange(0, 300);
  updown.setAssociate(&edit);
  updown.setPosition(20);
  updown.OnChanging = [&](Control*, bool&) {
    log.push_back("changing " + edit.text());
    throw ConvertError("'abc' is not a valid floating point value");
  };
  updown.OnClickButton = [&](Control*, UpDownButton) {
    log.push_back("click " + edit.text());
    throw ConvertError("'abc' is not a valid floating point value");
  };
  updown.userClick(UpDownButton::Up);
  EXPECT_EQ(log, (std::vector<std::string>{"changing 20", "click 21"}));
  EXPECT_EQ(fakes.dialogs.shown.size(), 2u) << "one error box per solve";
  EXPECT_EQ(edit.text(), "21");

  log.clear();
  fakes.dialogs.shown.clear();
  edit.OnKeyDown = [&](Control*, int&, ShiftState) {
    log.push_back("down");
    throw ConvertError("'abc' is not a valid floating point value");
  };
  edit.OnKeyPress = [&](Control*, char& ch) {
    log.push_back("press");
    if (ch == '\r') ch = 0;
  };
  EXPECT_EQ(edit.userPressEnter(), 0) << "the key press still swallows the carriage return";
  EXPECT_EQ(log, (std::vector<std::string>{"down", "press"}));
  EXPECT_EQ(fakes.dialogs.shown.size(), 1u);
}

// The arrows start from the buddy's text when it is a position of the range,
// as the platform's up-down reads it; otherwise from the last position.
TEST_F(ComponentModel, ArrowsStartFromTheBuddyTextOnlyWhenItIsAPositionInRange) {
  auto& edit = form.create<Edit>("Edit2");
  auto& updown = form.create<UpDown>("UpDown2");
  updown.setRange(-81, 300);
  updown.setAssociate(&edit);
  int changes = 0;
  edit.OnChange = [&](Control*) { ++changes; };

  struct Case {
    const char* text;
    UpDownButton button;
    const char* after;
    int position;
    int buddyChanges;  // the text written by the step runs the buddy's OnChange
  };
  const std::vector<Case> cases = {
      {"50", UpDownButton::Up, "51", 51, 1},
      {"  50", UpDownButton::Up, "51", 51, 1},
      {"+50", UpDownButton::Up, "51", 51, 1},
      {"-80", UpDownButton::Down, "-81", -81, 1},
      {"", UpDownButton::Up, "1", 1, 1},  // an empty box counts as 0
      // Not a position of the range: the arrows step from the last one (22).
      {"400", UpDownButton::Up, "23", 23, 1},
      {"-82", UpDownButton::Up, "23", 23, 1},
      {"12.5", UpDownButton::Down, "21", 21, 1},
      {"50 ", UpDownButton::Down, "21", 21, 1},
      {"abc", UpDownButton::Down, "21", 21, 1},
      {"99999999999", UpDownButton::Down, "21", 21, 1},
      // At the end of the range nothing moves and the box keeps its text.
      {"0300", UpDownButton::Up, "0300", 300, 0},
      {"-81", UpDownButton::Down, "-81", -81, 0},
  };
  for (const auto& c : cases) {
    updown.setPosition(22);
    edit.setText(c.text);
    changes = 0;
    updown.userClick(c.button);
    EXPECT_EQ(edit.text(), c.after) << "'" << c.text << "'";
    EXPECT_EQ(updown.position(), c.position) << "'" << c.text << "'";
    EXPECT_EQ(changes, c.buddyChanges) << "'" << c.text << "'";
  }
}

// Keystrokes, typing and the focus reach only a control that is on screen:
// every parent visible, and on the active page of a page control.
TEST_F(ComponentModel, ControlsOffScreenTakeNoKeystrokes) {
  auto& panel = form.create<Panel>("Panel1");
  auto& group = form.create<GroupBox>("GroupBox47", &panel);
  auto& pages = form.create<PageControl>("PageControl1", &group);
  auto& sheet0 = form.create<Panel>("TabSheet1", &pages);
  auto& sheet1 = form.create<Panel>("TabSheet2", &pages);
  auto& onSheet0 = form.create<Edit>("Edit236", &sheet0);
  auto& onSheet1 = form.create<Edit>("Edit252", &sheet1);
  for (Edit* e : {&onSheet0, &onSheet1})
    e->OnKeyDown = [&, e](Control*, int&, ShiftState) { log.push_back(e->name()); };

  struct Case {
    const char* name;
    std::function<void()> arrange;
    Edit* edit;
    bool takes;
  };
  const std::vector<Case> cases = {
      {"active page", [] {}, &onSheet0, true},
      {"page not active", [] {}, &onSheet1, false},
      {"page made active from code", [&] { pages.setActivePage(1); }, &onSheet1, true},
      {"page left from code", [&] { pages.setActivePage(1); }, &onSheet0, false},
      {"group box hidden", [&] { group.setVisible(false); }, &onSheet0, false},
      {"grandparent panel hidden", [&] { panel.setVisible(false); }, &onSheet0, false},
      {"window not shown", [&] { form.setVisible(false); }, &onSheet0, false},
  };
  for (const auto& c : cases) {
    form.setVisible(true);
    panel.setVisible(true);
    group.setVisible(true);
    pages.setActivePage(0);
    onSheet0.setText("1");
    onSheet1.setText("1");
    c.arrange();
    log.clear();
    c.edit->userPressEnter();
    c.edit->userSetText("2");
    EXPECT_EQ(c.edit->showing(), c.takes) << c.name;
    EXPECT_EQ(!log.empty(), c.takes) << c.name;
    EXPECT_EQ(c.edit->text() == "2", c.takes) << c.name;
    EXPECT_EQ(c.edit->userFocus(), c.takes) << c.name;
  }
}

TEST_F(ComponentModel, KeyPressHandlerCanSwallowTheCharacter) {
  auto& edit = form.create<Edit>("Edit3");
  std::vector<int> downs;
  edit.OnKeyDown = [&](Control*, int& key, ShiftState) { downs.push_back(key); };
  edit.OnKeyPress = [&](Control*, char& ch) {
    if (ch == '\r') ch = 0;
  };
  EXPECT_EQ(edit.userPressEnter(ShiftState::Ctrl), 0);
  EXPECT_EQ(edit.userKey('A', 'a'), 'a');
  EXPECT_EQ(downs, (std::vector<int>{13, 'A'}));
}

TEST_F(ComponentModel, FocusMoveRunsTheExitHandlerOfThePreviousControl) {
  auto& a = form.create<Edit>("Edit1");
  auto& b = form.create<Edit>("Edit2");
  a.OnExit = logger("exit 1");
  b.OnEnter = logger("enter 2");
  EXPECT_TRUE(a.userFocus());
  EXPECT_TRUE(b.userFocus());
  EXPECT_EQ(log, (std::vector<std::string>{"exit 1", "enter 2"}));
}

TEST_F(ComponentModel, TypedTextIsCutToMaxLengthButCodeTextIsNot) {
  auto& edit = form.create<Edit>("Edit1");
  edit.setMaxLength(4);
  edit.userSetText("123456");
  EXPECT_EQ(edit.text(), "1234");
  edit.setText("123456");
  EXPECT_EQ(edit.text(), "123456");
}

// The limit counts UTF-16 code units, as the desktop's edit control does:
// "é" and "①" are one unit each (two and three bytes of UTF-8), a character
// outside the Basic Multilingual Plane two. A character that does not fit
// whole is left out, never cut in half.
struct TypedAtLimit {
  const char* typed;
  const char* kept;
};

TEST_F(ComponentModel, TheMaxLengthCountsUtf16UnitsAndKeepsCharactersWhole) {
  const TypedAtLimit cases[] = {
      {"12345678", "12345678"},
      {"123456789", "12345678"},
      {"ééééé", "ééééé"},  // 10 bytes, 5 units
      {"éééééééé", "éééééééé"},
      {"ééééééééé", "éééééééé"},
      {"①①①", "①①①"},  // 9 bytes, 3 units
      {"1①①①①①①①①", "1①①①①①①①"},
      {"123456😀", "123456😀"},  // the pair ends at the limit
      {"1234567😀", "1234567"},   // the pair would straddle it
      {"1234567😀8", "1234567"},
      {"😀😀😀😀😀", "😀😀😀😀"},
      {"1234567\xFF", "1234567\xFF"},  // a stray byte counts as one
      {"12345678\xFF", "12345678"},
  };
  auto& edit = form.create<Edit>("Edit1");
  edit.setMaxLength(8);
  for (const TypedAtLimit& c : cases) {
    edit.setText("");
    edit.userSetText(c.typed);
    EXPECT_EQ(edit.text(), c.kept) << c.typed;
  }
}

TEST_F(ComponentModel, LookupsOfUnknownOrMistypedControlsFailLoudly) {
  form.create<Edit>("Edit1");
  EXPECT_THROW(form.edit("Edit2"), DescriptionError);
  EXPECT_THROW(form.label("Edit1"), DescriptionError);
  EXPECT_THROW(form.create<Label>("Edit1"), DescriptionError);
}

TEST_F(ComponentModel, MenuItemsFollowTheirParentsAndTheWindow) {
  auto& menu = form.create<MainMenu>("MainMenu1");
  auto& hidden = form.create<MenuItem>("Resources1", &menu);
  auto& item = form.create<MenuItem>("Resources2", &hidden);
  auto& bar = form.create<MenuItem>("N7", &menu);
  bar.setCaption("|");
  bar.setEnabled(false);
  bar.OnClick = logger("bar");
  item.OnClick = logger("item");
  hidden.setVisible(false);
  item.userChoose();
  bar.userChoose();
  EXPECT_TRUE(log.empty());
  hidden.setVisible(true);
  form.setEnabled(false);
  item.userChoose();
  EXPECT_TRUE(log.empty());
  form.setEnabled(true);
  item.userChoose();
  EXPECT_EQ(log, (std::vector<std::string>{"item"}));
}

}  // namespace
}  // namespace cq
