// Window descriptions: what they build, and that mistakes fail loudly.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/form_loader.h"
#include "support/fake_services.h"

namespace cq {
namespace {

class FormLoader : public ::testing::Test {
 protected:
  test::FakeServices fakes;
  Application app{fakes.services()};
  HandlerRegistry handlers;
  int clicks = 0;
  void SetUp() override {
    handlers.add("TForm1.Button1Click", [this](Control*) { ++clicks; });
    handlers.add("TForm1.Edit1KeyPress", KeyPressEvent([](Control*, char& c) { c = 0; }));
  }
  std::unique_ptr<Form> load(const std::string& text) { return LoadFormText(app, "test", text, handlers); }
};

TEST_F(FormLoader, BuildsControlsWithPropertiesAndBindsHandlers) {
  auto form = load(R"({
    "name": "Form1", "class": "TForm1", "caption": "Main", "clientWidth": 963, "clientHeight": 763,
    "borderStyle": "single", "maximizeBox": false,
    "controls": [
      {"type": "GroupBox", "name": "GroupBox2", "caption": " Options  ", "bounds": [592, 8, 345, 513], "controls": [
        {"type": "Edit", "name": "Edit1", "text": "20", "events": {"OnKeyPress": "TForm1.Edit1KeyPress"}},
        {"type": "UpDown", "name": "UpDown1", "min": 0, "max": 300, "position": 20, "associate": "Edit1"},
        {"type": "RadioGroup", "name": "RadioGroup6", "caption": " Units ", "items": ["Imperial", "Metric"], "itemIndex": 0,
         "events": {"OnClick": "TForm1.Button1Click"}}
      ]},
      {"type": "Label", "name": "Label301", "caption": "Registry Error!", "visible": false, "font": {"color": "clRed"},
       "wordWrap": true, "alignment": "right"}
    ], "hint": "Main window"})");
  EXPECT_EQ(form->caption(), "Main");
  EXPECT_EQ(form->clientWidth(), 963);
  EXPECT_FALSE(form->maximizeBox());
  EXPECT_EQ(form->groupBox("GroupBox2").caption(), " Options  ");
  EXPECT_EQ(form->edit("Edit1").parent()->name(), "GroupBox2");
  EXPECT_EQ(form->edit("Edit1").text(), "20");
  EXPECT_EQ(form->upDown("UpDown1").associate(), &form->edit("Edit1"));
  EXPECT_EQ(form->radio("RadioGroup6").itemIndex(), 0);
  EXPECT_EQ(clicks, 0) << "loading runs no handler";
  EXPECT_EQ(form->label("Label301").fontColor(), colors::Red);
  EXPECT_TRUE(form->label("Label301").wordWrap());
  EXPECT_EQ(form->label("Label301").alignment(), Alignment::Right);
  EXPECT_EQ(form->hint(), "Main window");
  form->show();
  form->radio("RadioGroup6").userSelect(1);
  EXPECT_EQ(clicks, 1);
}

// Each type takes its own events and the common ones it has, into the
// slot of the event's own signature; the event of another type fails.
TEST_F(FormLoader, EachTypeBindsItsOwnEvents) {
  handlers.add("H.Key", KeyEvent([](Control*, int&, ShiftState) {}));
  handlers.add("H.Changing", UpDownChangingEvent([](Control*, bool&) {}));
  handlers.add("H.Arrow", UpDownClickEvent([](Control*, UpDownButton) {}));
  handlers.add("H.CloseQuery", CloseQueryEvent([](Form*, bool&) {}));
  const std::string notify = "TForm1.Button1Click", keyPress = "TForm1.Edit1KeyPress";
  struct Case {
    std::string type, event, handler;
    std::function<bool(Control&)> filled;  // null: the binding fails
  };
  const auto edit = [](Control& c) -> Edit& { return static_cast<Edit&>(c); };
  const Case cases[] = {
      {"Edit", "OnChange", notify, [&](Control& c) { return bool(edit(c).OnChange); }},
      {"Edit", "OnKeyDown", "H.Key", [&](Control& c) { return bool(edit(c).OnKeyDown); }},
      {"Memo", "OnChange", notify, [&](Control& c) { return bool(edit(c).OnChange); }},
      {"ComboBox", "OnChange", notify, [](Control& c) { return bool(static_cast<ComboBox&>(c).OnChange); }},
      {"ComboBox", "OnKeyPress", keyPress, [](Control& c) { return bool(static_cast<ComboBox&>(c).OnKeyPress); }},
      {"CheckBox", "OnKeyPress", keyPress, [](Control& c) { return bool(static_cast<CheckBox&>(c).OnKeyPress); }},
      {"CheckBox", "OnKeyDown", "H.Key", nullptr},
      {"TrackBar", "OnChange", notify, [](Control& c) { return bool(static_cast<TrackBar&>(c).OnChange); }},
      {"TabControl", "OnChange", notify, [](Control& c) { return bool(static_cast<TabControl&>(c).OnChange); }},
      {"PageControl", "OnChange", notify, [](Control& c) { return bool(static_cast<PageControl&>(c).OnChange); }},
      {"Timer", "OnTimer", notify, [](Control& c) { return bool(static_cast<Timer&>(c).OnTimer); }},
      {"Label", "OnEnter", notify, [](Control& c) { return bool(c.OnEnter); }},
      {"BitBtn", "OnClick", notify, [](Control& c) { return bool(c.OnClick); }},
      {"Button", "OnTimer", notify, nullptr},
      {"Panel", "OnKeyPress", keyPress, nullptr},
      // An up-down's click is its arrows', and it is never entered.
      {"UpDown", "OnClick", "H.Arrow", [](Control& c) { return bool(static_cast<UpDown&>(c).OnClickButton); }},
      {"UpDown", "OnClick", notify, nullptr},
      {"UpDown", "OnChanging", "H.Changing", [](Control& c) { return bool(static_cast<UpDown&>(c).OnChanging); }},
      {"UpDown", "OnExit", notify, [](Control& c) { return bool(c.OnExit); }},
      {"UpDown", "OnEnter", notify, nullptr},
  };
  for (const Case& c : cases) {
    const std::string what = c.type + " " + c.event;
    const std::string text = R"({"name":"F","class":"T","controls":[{"type":")" + c.type +
                             R"(","name":"C","events":{")" + c.event + R"(":")" + c.handler + R"("}}]})";
    if (!c.filled) {
      EXPECT_THROW(load(text), DescriptionError) << what;
      continue;
    }
    std::unique_ptr<Form> form;
    ASSERT_NO_THROW(form = load(text)) << what;
    EXPECT_TRUE(c.filled(form->control("C"))) << what;
  }
  auto form = load(R"({"name":"F","class":"T","events":{"OnShow":"TForm1.Button1Click","OnCloseQuery":"H.CloseQuery"}})");
  EXPECT_TRUE(form->OnShow && form->OnCloseQuery);
  EXPECT_THROW(load(R"({"name":"F","class":"T","events":{"OnClick":"TForm1.Button1Click"}})"), DescriptionError);
}

// The active page names one of the pages, so it is read once they exist.
TEST_F(FormLoader, APageControlsActivePageIsOneOfItsPages) {
  auto form = load(R"({"name":"F","class":"T","controls":[{"type":"PageControl","name":"P","activePage":1,
    "controls":[{"type":"Panel","name":"Sheet1"},{"type":"Panel","name":"Sheet2"}]}]})");
  EXPECT_EQ(form->get<PageControl>("P").activePage(), 1);
}

TEST_F(FormLoader, MistakesFailLoudly) {
  const std::pair<const char*, const char*> cases[] = {
      {"unknown handler", R"({"name":"F","class":"T","controls":[{"type":"Button","name":"B","events":{"OnClick":"TForm1.Nope"}}]})"},
      {"handler of another signature", R"({"name":"F","class":"T","controls":[{"type":"Button","name":"B","events":{"OnClick":"TForm1.Edit1KeyPress"}}]})"},
      {"unknown event", R"({"name":"F","class":"T","controls":[{"type":"Label","name":"L","events":{"OnChange":"TForm1.Button1Click"}}]})"},
      {"unknown control in bindings", R"({"name":"F","class":"T","bindings":{"Edit9":{"OnClick":"TForm1.Button1Click"}}})"},
      {"unknown parent", R"({"name":"F","class":"T","controls":[{"type":"Label","name":"L","parent":"GroupBox9"}]})"},
      {"unknown property", R"({"name":"F","class":"T","controls":[{"type":"Label","name":"L","capton":"x"}]})"},
      {"another type's property", R"({"name":"F","class":"T","controls":[{"type":"Label","name":"L","checked":true}]})"},
      {"a list on a box", R"({"name":"F","class":"T","controls":[{"type":"Edit","name":"E","items":["a"]}]})"},
      {"unknown type", R"({"name":"F","class":"T","controls":[{"type":"Gauge","name":"G"}]})"},
      {"duplicate name", R"({"name":"F","class":"T","controls":[{"type":"Label","name":"L"},{"type":"Label","name":"L"}]})"},
      {"missing picture", R"({"name":"F","class":"T","controls":[{"type":"Image","name":"I","picture":"pictures/none.svg"}]})"},
      {"unknown buddy", R"({"name":"F","class":"T","controls":[{"type":"UpDown","name":"U","associate":"Edit9"}]})"},
      {"broken text", R"({"name":"F","class":"T",)"},
      {"unknown window property", R"({"name":"F","class":"T","clientWidht":963})"},
      {"unknown window event", R"({"name":"F","class":"T","events":{"OnPaint":"TForm1.Button1Click"}})"},
      {"unknown font property", R"({"name":"F","class":"T","controls":[{"type":"Label","name":"L","font":{"colour":"clRed"}}]})"},
      {"unknown colour", R"({"name":"F","class":"T","controls":[{"type":"Label","name":"L","color":"clMauve"}]})"},
      {"unknown alignment", R"({"name":"F","class":"T","controls":[{"type":"Label","name":"L","alignment":"middle"}]})"},
      {"unknown border style", R"({"name":"F","class":"T","borderStyle":"thick"})"},
      {"unknown menu item property", R"({"name":"F","class":"T","menu":{"name":"M","items":[{"name":"I","captoin":"&File"}]}})"},
      {"menu handler unknown", R"({"name":"F","class":"T","menu":{"name":"M","items":[{"name":"I","events":{"OnClick":"TForm1.Nope"}}]}})"},
      {"value of the wrong kind", R"({"name":"F","class":"T","controls":[{"type":"Label","name":"L","visible":"yes"}]})"},
      {"handler name not a text", R"({"name":"F","class":"T","controls":[{"type":"Button","name":"B","events":{"OnClick":7}}]})"},
      {"form without a class", R"({"name":"F"})"},
  };
  for (const auto& [name, text] : cases) EXPECT_THROW(load(text), DescriptionError) << name;
}

}  // namespace
}  // namespace cq
