// A field's length limit on screen: typing stops where the model's limit
// does, counted in UTF-16 units, and never leaves half a character.
#include <QLineEdit>
#include <gtest/gtest.h>

#include <memory>
#include <iterator>
#include <string>
#include <vector>

#include "qt_test_support.h"
#include "small_form.h"
#include "ui_qt/form_view.h"

namespace cq::ui {
namespace {

class EditLengthLimit : public ::testing::Test {
 protected:
  EditLengthLimit() : edit(model.form.create<Edit>("Edit1")) {
    edit.setBounds({10, 10, 100, 21});
    edit.setMaxLength(8);
    edit.setText("");
    view = std::make_unique<FormView>(model.form);
    model.form.show();
    lineEdit = view->widget<QLineEdit>("Edit1");
  }

  test::SmallForm model;
  Edit& edit;
  std::unique_ptr<FormView> view;
  QLineEdit* lineEdit = nullptr;
};

struct LimitCase {
  const char* entered;
  const char* kept;
};

// "é" and "①" are one unit each, "😀" two.
const LimitCase kCases[] = {
    {"123456789", "12345678"},
    {"ééééé", "ééééé"},
    {"ééééééééé", "éééééééé"},
    {"①①①", "①①①"},
    {"①①①①①①①①①", "①①①①①①①①"},
    {"123456😀", "123456😀"},
    {"1234567😀", "1234567"},  // the pair would straddle the limit
    {"😀😀😀😀😀", "😀😀😀😀"},
};

TEST_F(EditLengthLimit, TypingStopsAtTheLimitWithWholeCharacters) {
  ASSERT_NE(lineEdit, nullptr);
  lineEdit->setFocus();
  std::vector<LimitCase> cases(std::begin(kCases), std::end(kCases));
  // Key by key, the pair is refused and the next key still fits.
  cases.push_back({"1234567😀8", "12345678"});
  for (const LimitCase& c : cases) {
    edit.setText("");
    test::TypeKeys(lineEdit, QString::fromUtf8(c.entered));
    EXPECT_EQ(edit.text(), c.kept) << c.entered;
    EXPECT_EQ(lineEdit->text().toStdString(), c.kept) << c.entered;
  }
}

TEST_F(EditLengthLimit, TextCommittedAtOnceIsCutAtTheLimitWithWholeCharacters) {
  ASSERT_NE(lineEdit, nullptr);
  lineEdit->setFocus();
  std::vector<LimitCase> cases(std::begin(kCases), std::end(kCases));
  // At once, the text is cut where the pair would straddle the limit.
  cases.push_back({"1234567😀8", "1234567"});
  for (const LimitCase& c : cases) {
    edit.setText("");
    test::CommitText(lineEdit, QString::fromUtf8(c.entered));
    EXPECT_EQ(edit.text(), c.kept) << c.entered;
    EXPECT_EQ(lineEdit->text().toStdString(), c.kept) << c.entered;
  }
}

struct InsertCase {
  const char* before;
  int cursor;  // in UTF-16 units
  const char* typed;
  const char* kept;
};

// Typing inside a text stops at the limit as at its end: the characters
// after the cursor stay, a character that does not fit is refused.
TEST_F(EditLengthLimit, TypingInsideATextStopsAtTheLimitAndKeepsItsEnd) {
  ASSERT_NE(lineEdit, nullptr);
  const InsertCase cases[] = {
      {"12345678", 4, "x", "12345678"},
      {"1234567", 3, "xy", "123x4567"},
      {"ééééééé", 3, "😀", "ééééééé"},
      {"ééééééé", 3, "①", "ééé①éééé"},
      {"😀😀😀", 2, "😀😀", "😀😀😀😀"},
  };
  lineEdit->setFocus();
  for (const InsertCase& c : cases) {
    edit.setText(c.before);
    lineEdit->setCursorPosition(c.cursor);
    test::TypeKeys(lineEdit, QString::fromUtf8(c.typed));
    EXPECT_EQ(edit.text(), c.kept) << c.before << " + " << c.typed;
    EXPECT_EQ(lineEdit->text().toStdString(), c.kept) << c.before << " + " << c.typed;
  }
}

// The limit cuts typing only: a longer text written by code shows whole.
TEST_F(EditLengthLimit, ALongerTextWrittenByCodeShowsWhole) {
  ASSERT_NE(lineEdit, nullptr);
  edit.setText("0.000123456789");
  EXPECT_EQ(lineEdit->text(), "0.000123456789");
  edit.setText("①①①①①①①①①①");
  EXPECT_EQ(lineEdit->text(), QString::fromUtf8("①①①①①①①①①①"));
  edit.setText("1");
  lineEdit->setFocus();
  lineEdit->end(false);
  test::TypeKeys(lineEdit, "234567890");
  EXPECT_EQ(edit.text(), "12345678");
  EXPECT_EQ(lineEdit->text(), "12345678");
}

}  // namespace
}  // namespace cq::ui
