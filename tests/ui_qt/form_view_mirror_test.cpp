#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "qt_test_support.h"
#include "small_form.h"
#include "ui_qt/form_view.h"
#include "ui_qt/multi_row_tab_strip.h"
#include "ui_qt/widgets.h"

namespace cq::ui {
namespace {

// A field and an option radio with counting handlers, shown in a view.
class FormViewMirrorTest : public ::testing::Test {
 protected:
  FormViewMirrorTest()
      : edit(model.form.create<Edit>("Edit1")), radio(model.form.create<RadioGroup>("RadioGroup1")) {
    edit.setBounds({10, 10, 100, 21});
    edit.OnChange = [this](Control*) { changes.push_back(edit.text()); };
    edit.OnKeyPress = [this](Control*, char& key) { keys.push_back(key); };
    radio.setBounds({10, 40, 150, 90});
    radio.setCaption(" Units ");
    radio.setItems({"Imperial", "Metric", "Other"});
    radio.OnClick = [this](Control*) { clicks.push_back(radio.itemIndex()); };
    view = std::make_unique<FormView>(model.form);
    model.form.show();
    lineEdit = view->widget<QLineEdit>("Edit1");
    radioWidget = view->widget<RadioGroupWidget>("RadioGroup1");
  }

  test::SmallForm model;
  Edit& edit;
  RadioGroup& radio;
  std::unique_ptr<FormView> view;
  QLineEdit* lineEdit = nullptr;
  RadioGroupWidget* radioWidget = nullptr;
  std::vector<std::string> changes;
  std::vector<char> keys;
  std::vector<int> clicks;
};

TEST_F(FormViewMirrorTest, WritesFromCodeShowWithoutRunningHandlersAgain) {
  ASSERT_NE(lineEdit, nullptr);
  ASSERT_NE(radioWidget, nullptr);
  edit.setText("12.5 mils");
  EXPECT_EQ(lineEdit->text(), "12.5 mils");
  radio.setItemIndex(1);
  ASSERT_EQ(radioWidget->count(), 3);
  EXPECT_TRUE(radioWidget->button(1)->isChecked());
  EXPECT_FALSE(radioWidget->button(0)->isChecked());
  test::Pump(20);
  // Each handler ran once, for the model's own change; Qt's signals for the
  // widget updates never came back as user input.
  EXPECT_EQ(changes, (std::vector<std::string>{"12.5 mils"}));
  EXPECT_EQ(clicks, (std::vector<int>{1}));

  // Refilling empties the selection in the model and on screen.
  radio.setItems({"0.5oz", "1oz"});
  EXPECT_EQ(radioWidget->count(), 2);
  EXPECT_EQ(radioWidget->checkedIndex(), -1);
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(FormViewMirrorTest, TypingAndEnterReachTheModel) {
  lineEdit->setFocus();
  test::TypeKeys(lineEdit, "2,5");
  EXPECT_EQ(edit.text(), "2,5");
  EXPECT_EQ(changes, (std::vector<std::string>{"2", "2,", "2,5"}));
  test::PressEnter(lineEdit);
  EXPECT_EQ(keys, (std::vector<char>{'2', ',', '5', '\r'}));
  EXPECT_EQ(lineEdit->text(), "2,5");
}

// A click on an item's circle.
void clickItem(RadioGroupWidget* group, int index) {
  QRadioButton* b = group->button(index);
  test::ClickAt(b, QPoint(6, b->height() / 2));
}

TEST_F(FormViewMirrorTest, ClickingAnItemSelectsItInTheModel) {
  clickItem(radioWidget, 2);
  EXPECT_EQ(radio.itemIndex(), 2);
  EXPECT_EQ(clicks, (std::vector<int>{2}));
  EXPECT_TRUE(radioWidget->button(2)->isChecked());
  // The selected item again: no change, no handler.
  clickItem(radioWidget, 2);
  EXPECT_EQ(clicks, (std::vector<int>{2}));
  clickItem(radioWidget, 0);
  EXPECT_EQ(clicks, (std::vector<int>{2, 0}));
  EXPECT_FALSE(radioWidget->button(2)->isChecked());
}

TEST_F(FormViewMirrorTest, ADisabledControlTakesNoInput) {
  radio.setEnabled(false);
  clickItem(radioWidget, 1);
  EXPECT_EQ(radio.itemIndex(), -1);
  EXPECT_TRUE(clicks.empty());
}

}  // namespace
}  // namespace cq::ui

namespace cq::ui {
namespace {

TEST_F(FormViewMirrorTest, AFieldThatIsNoTabStopTakesTheFocusOnlyByClick) {
  ASSERT_NE(lineEdit, nullptr);
  EXPECT_EQ(lineEdit->focusPolicy(), Qt::StrongFocus);
  edit.setTabStop(false);
  EXPECT_EQ(lineEdit->focusPolicy(), Qt::ClickFocus);
}

}  // namespace
}  // namespace cq::ui

namespace cq::ui {
namespace {

// Two result boxes that trade places stand on each other for a moment; once
// apart, neither may keep the borderless look of a unit text inside a field.
TEST(FormViewInsetUnitText, BoxesThatTradePlacesKeepTheirFrames) {
  test::SmallForm model;
  Edit& upper = model.form.create<Edit>("Edit1");
  Edit& lower = model.form.create<Edit>("Edit2");
  for (Edit* e : {&upper, &lower}) e->setReadOnly(true);
  upper.setBounds({10, 10, 100, 21});
  lower.setBounds({10, 60, 100, 21});
  FormView view(model.form);
  model.form.show();
  test::Pump(20);
  upper.setBounds({10, 60, 100, 21});
  test::Pump(20);
  lower.setBounds({10, 10, 100, 21});
  test::Pump(20);
  for (const char* name : {"Edit1", "Edit2"})
    EXPECT_FALSE(view.widget<QLineEdit>(name)->styleSheet().contains("border: none")) << name;
}

// A unit text inside its field draws without a frame. The look follows a
// move of either box: the text moved out, then the field moved around it.
TEST(FormViewInsetUnitText, TheLookFollowsAMoveOfEitherBox) {
  test::SmallForm model;
  Edit& field = model.form.create<Edit>("Edit1");
  Edit& unit = model.form.create<Edit>("Edit2");
  unit.setReadOnly(true);
  field.setBounds({10, 10, 100, 21});
  unit.setBounds({80, 12, 25, 17});
  FormView view(model.form);
  model.form.show();
  test::Pump(20);
  const auto inset = [&view] { return view.widget<QLineEdit>("Edit2")->styleSheet().contains("border: none"); };
  EXPECT_TRUE(inset());
  unit.setBounds({200, 12, 25, 17});
  test::Pump(20);
  EXPECT_FALSE(inset());
  field.setBounds({130, 10, 100, 21});
  test::Pump(20);
  EXPECT_TRUE(inset());
}

// A page fills its page control's frame, whatever its own bounds say, also
// after the page control is resized; only the active page shows.
TEST(FormViewPages, APageFillsItsPageControlsFrame) {
  test::SmallForm model;
  auto& pages = model.form.create<PageControl>("PageControl1");
  pages.setBounds({10, 10, 200, 150});
  Panel& first = model.form.create<Panel>("TabSheet1", &pages);
  Panel& second = model.form.create<Panel>("TabSheet2", &pages);
  first.setCaption("First");
  second.setCaption("Second");
  first.setBounds({0, 0, 20, 20});
  second.setBounds({5, 5, 30, 30});
  FormView view(model.form);
  model.form.show();
  test::Pump(20);
  auto* strip = view.widget<MultiRowTabStrip>("PageControl1");
  ASSERT_NE(strip, nullptr);
  QWidget* firstPage = view.widgetFor(first);
  ASSERT_NE(firstPage, nullptr);
  const auto frame = [strip] { return strip->pageRect().adjusted(2, 2, -2, -2); };
  EXPECT_EQ(firstPage->geometry(), frame());
  EXPECT_FALSE(firstPage->isHidden());

  pages.setBounds({10, 10, 300, 220});
  test::Pump(20);
  EXPECT_EQ(firstPage->geometry(), frame());

  pages.setActivePage(1);
  test::Pump(20);
  QWidget* secondPage = view.widgetFor(second);
  ASSERT_NE(secondPage, nullptr);
  EXPECT_EQ(secondPage->geometry(), frame());
  EXPECT_FALSE(secondPage->isHidden());
  EXPECT_TRUE(firstPage->isHidden());
}

}  // namespace
}  // namespace cq::ui
