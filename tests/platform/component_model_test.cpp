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

TEST_F(ComponentModel, EmptiedRadioGroupSelectsNothingSoRefillAlwaysClicks) {
  auto& radio = form.create<RadioGroup>("RadioGroup3");
  radio.OnClick = logger("click");
  radio.setItems({"Microstrip", "Stripline"});
  radio.setItemIndex(0);
  ASSERT_EQ(log.size(), 1u);
  radio.clearItems();
  EXPECT_EQ(radio.itemIndex(), -1);
  EXPECT_EQ(log.size(), 1u) << "emptying runs nothing";
  radio.addItem("Microstrip");
  radio.addItem("Stripline");
  EXPECT_EQ(radio.itemIndex(), -1) << "a refill selects nothing by itself";
  radio.setItemIndex(0);
  EXPECT_EQ(log.size(), 2u) << "selecting the same position after a refill clicks";
  radio.clearItems();
  radio.setItemIndex(0);
  EXPECT_EQ(radio.itemIndex(), -1) << "no items: nothing to select";
  EXPECT_EQ(log.size(), 2u);
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

TEST_F(ComponentModel, UpDownChangingRunsBeforeTheStepAndClickAfter) {
  auto& edit = form.create<Edit>("Edit1");
  auto& updown = form.create<UpDown>("UpDown1");
  updown.setRange(0, 300);
  updown.setAssociate(&edit);
  updown.setPosition(20);
  ASSERT_EQ(edit.text(), "20");
  updown.OnChanging = [&](Control*, bool&) { log.push_back("changing " + edit.text()); };
  updown.OnClickButton = [&](Control*, UpDownButton) { log.push_back("click " + edit.text()); };

  updown.userClick(UpDownButton::Up);
  EXPECT_EQ(log, (std::vector<std::string>{"changing 20", "click 21"}));

  // The buddy's text is the position the next arrow starts from.
  edit.setText("200");
  log.clear();
  updown.userClick(UpDownButton::Up);
  EXPECT_EQ(log, (std::vector<std::string>{"changing 200", "click 201"}));

  // At the end of the range the handlers still run and the position stays.
  edit.setText("300");
  log.clear();
  updown.userClick(UpDownButton::Up);
  EXPECT_EQ(log, (std::vector<std::string>{"changing 300", "click 300"}));

  // A buddy text that is not an integer steps from the last position.
  edit.setText("abc");
  log.clear();
  updown.userClick(UpDownButton::Down);
  EXPECT_EQ(log, (std::vector<std::string>{"changing abc", "click 299"}));
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

  const std::vector<std::pair<const char*, std::function<void()>>> events = {
      {"click", [&] { button.userClick(); }},
      {"key", [&] { edit.userPressEnter(); }},
      {"timer", [&] { timer.tick(); }},
      {"show", [&] { form.setVisible(false); form.show(); }},
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
