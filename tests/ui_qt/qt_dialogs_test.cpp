#include "ui_qt/qt_dialogs.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>

#include <string>

#include "qt_test_support.h"
#include "small_form.h"
#include "ui_qt/timer_driver.h"

namespace cq::ui {
namespace {

struct Seen {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title, text;
  QMessageBox::StandardButtons buttons;
  bool modal = false;
  bool buttonPictures = false;
};

Seen look(QMessageBox& box) {
  bool pictures = false;
  for (QAbstractButton* b : box.buttons()) pictures = pictures || !b->icon().isNull();
  return {box.icon(), box.windowTitle(), box.text(), box.standardButtons(), box.isModal(), pictures};
}

class QtDialogsTest : public ::testing::Test {
 protected:
  QtDialogs dialogs{[] { return std::string("Quillonex PCB Design Cirquet"); }};
  Seen seen;
  void expectNext(int button) {
    test::OnNextBox([this](QMessageBox& box) { seen = look(box); }, button);
  }
};

TEST_F(QtDialogsTest, InfoBoxHasOneOkButtonAndNoIcon) {
  expectNext(QMessageBox::Ok);
  dialogs.showInfo("Maximum temperature rise can't be greater than 200C");
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
  EXPECT_EQ(seen.buttons, QMessageBox::Ok);
  EXPECT_EQ(seen.text, "Maximum temperature rise can't be greater than 200C");
  EXPECT_EQ(seen.title, "Quillonex PCB Design Cirquet");
  EXPECT_TRUE(seen.modal);
  EXPECT_FALSE(seen.buttonPictures);
}

TEST_F(QtDialogsTest, QuestionAnswersYesOrNo) {
  expectNext(QMessageBox::Yes);
  EXPECT_TRUE(dialogs.askYesNo("Print form data?", "Print..."));
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
  EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(seen.title, "Print...");
  EXPECT_EQ(seen.text, "Print form data?");
  EXPECT_FALSE(seen.buttonPictures);
  expectNext(QMessageBox::No);
  EXPECT_FALSE(dialogs.askYesNo("Print form data?", "Print..."));
}

TEST_F(QtDialogsTest, ErrorBoxesShowTheirTextsAsPlainText) {
  expectNext(QMessageBox::Ok);
  dialogs.showError("'<b>x</b>' is not a valid floating point value");
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.title, "Quillonex PCB Design Cirquet");
  EXPECT_EQ(seen.text, "'<b>x</b>' is not a valid floating point value");
  EXPECT_EQ(seen.buttons, QMessageBox::Ok);

  expectNext(QMessageBox::Ok);
  dialogs.showMathError("cirquet", "Floating point division by zero");
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.title, "cirquet");
  EXPECT_EQ(seen.text, "Floating point division by zero");
}

// A typed text quoted in a message may hold a NUL: the box shows all of
// the text, the NUL as the replacement mark.
TEST_F(QtDialogsTest, ANulInAMessageShowsAsAMarkAndTheTextGoesOn) {
  const std::string message("'1\0" "2' is not a valid floating point value", 41);
  expectNext(QMessageBox::Ok);
  dialogs.showError(message);
  EXPECT_EQ(seen.text, QStringLiteral("'1\uFFFD2' is not a valid floating point value"));
  expectNext(QMessageBox::Ok);
  dialogs.showInfo(message);
  EXPECT_EQ(seen.text, QStringLiteral("'1\uFFFD2' is not a valid floating point value"));
}

TEST_F(QtDialogsTest, TheModelTimerKeepsTickingWhileABoxIsOpen) {
  test::SmallForm model;
  Timer& timer = model.form.create<Timer>("Timer1");
  timer.setInterval(10);
  int ticks = 0;
  timer.OnTimer = [&](Control*) { ++ticks; };
  TimerDriver driver({&model.form});
  int ticksWhenClosed = -1;
  // The box stays open until the timer has ticked a few times.
  test::OnNextBox(
      [&](QMessageBox&) {
        while (ticks < 3) test::Pump(5);
        ticksWhenClosed = ticks;
      },
      QMessageBox::Ok);
  dialogs.showInfo("Timer test");
  EXPECT_GE(ticksWhenClosed, 3);
}

}  // namespace
}  // namespace cq::ui
