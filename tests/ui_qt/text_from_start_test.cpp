// A text written by code shows from its first character, in input and
// result fields alike: a long number never shows only its last digits.
// What the user types keeps the cursor where the user put it.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "program_fixture.h"
#include "qt_test_support.h"
#include "small_form.h"
#include "ui_qt/form_view.h"

namespace cq::ui {
namespace {

// A field like the one given (same parent, name, place, font, style and
// state) holding another text.
std::unique_ptr<QLineEdit> LikeField(const QLineEdit& field, const QString& text) {
  auto copy = std::make_unique<QLineEdit>(field.parentWidget());
  copy->setObjectName(field.objectName());
  copy->setGeometry(field.geometry());
  copy->setFont(field.font());
  copy->setStyleSheet(field.styleSheet());
  copy->setAlignment(field.alignment());
  copy->setReadOnly(field.isReadOnly());
  copy->setEnabled(field.isEnabled());
  copy->setFrame(field.hasFrame());
  copy->setText(text);
  copy->setCursorPosition(0);
  return copy;
}

// The last column in which the two images differ; -1 when they are alike.
int LastDifferingColumn(const QImage& a, const QImage& b) {
  for (int x = a.width() - 1; x >= 0; --x)
    for (int y = 0; y < a.height(); ++y)
      if (a.pixel(x, y) != b.pixel(x, y)) return x;
  return -1;
}

// Whether the field draws the first `count` characters of its text where
// a field holding only those characters draws them. Two columns short of
// the end of their ink, so that the next character's edge does not count.
::testing::AssertionResult DrawsHead(QLineEdit& field, int count) {
  const QImage drawn = field.grab().toImage();
  const QImage head = LikeField(field, field.text().left(count))->grab().toImage();
  const QImage empty = LikeField(field, QString())->grab().toImage();
  const int inkEnd = LastDifferingColumn(head, empty);
  if (inkEnd < 4) return ::testing::AssertionFailure() << "the head draws nothing";
  const QImage left = drawn.copy(0, 0, inkEnd - 2, drawn.height());
  if (left != head.copy(0, 0, inkEnd - 2, head.height()))
    return ::testing::AssertionFailure() << field.objectName().toStdString() << " does not start with \""
                                         << field.text().left(count).toStdString() << "\" of \""
                                         << field.text().toStdString() << "\"";
  return ::testing::AssertionSuccess();
}

// The case: 1e9 mils on the Conversion Calculator gives results
// far wider than their fields.
TEST(TextFromStart, LongConversionResultsShowTheirFirstDigits) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  p.form().menuItem("ConversionData1").userChoose();
  test::Pump(0);
  auto* mils = p.view().widget<QLineEdit>("Edit80");
  ASSERT_NE(mils, nullptr);
  mils->setFocus();
  mils->selectAll();
  test::TypeKeys(mils, "1e9");
  test::PressEnter(mils);
  test::Pump(0);
  struct Result {
    const char* field;
    const char* text;
  };
  for (const Result& r : {Result{"Edit81", "25400000.0000"}, Result{"Edit143", "25400000000.0000"}}) {
    auto* field = p.view().widget<QLineEdit>(r.field);
    ASSERT_NE(field, nullptr) << r.field;
    EXPECT_EQ(field->text().toStdString(), r.text);
    EXPECT_TRUE(DrawsHead(*field, 4));
  }
}

class NarrowField : public ::testing::Test {
 protected:
  NarrowField() : edit(model.form.create<Edit>("Edit1")) {
    edit.setBounds({10, 10, 60, 21});
    view = std::make_unique<FormView>(model.form);
    model.form.show();
    field = view->widget<QLineEdit>("Edit1");
  }

  test::SmallForm model;
  Edit& edit;
  std::unique_ptr<FormView> view;
  QLineEdit* field = nullptr;
};

// Written by code into a field with the focus or without, read-only or
// not, and after the user left the cursor at the end of a long text.
TEST_F(NarrowField, ATextWrittenByCodeShowsFromItsStart) {
  ASSERT_NE(field, nullptr);
  edit.setText("7211136000000.0000");
  EXPECT_TRUE(DrawsHead(*field, 4));
  edit.setReadOnly(true);
  edit.setText("-1.2345678901234E+300");
  EXPECT_TRUE(DrawsHead(*field, 4));
  edit.setReadOnly(false);
  field->setFocus();
  field->end(false);
  edit.setText("98765432109876.5");
  EXPECT_EQ(field->cursorPosition(), 0);
  field->clearFocus();  // the drawn cursor aside
  EXPECT_TRUE(DrawsHead(*field, 4));
}

// A text the model cuts while the user types (the field's length limit)
// comes back into the field and keeps the user's cursor.
TEST_F(NarrowField, TypingKeepsTheCursorWhereTheUserPutIt) {
  ASSERT_NE(field, nullptr);
  edit.setText("123456");
  field->setFocus();
  field->setCursorPosition(3);
  test::TypeKeys(field, "9");
  EXPECT_EQ(edit.text(), "1239456");
  EXPECT_EQ(field->cursorPosition(), 4);
  edit.setMaxLength(8);
  field->setCursorPosition(2);
  test::CommitText(field, "ab");
  EXPECT_EQ(edit.text(), "12ab3945");
  EXPECT_EQ(field->text(), "12ab3945");
  EXPECT_EQ(field->cursorPosition(), 4);
}

// A text box shows a text written by code from its first line and column,
// wherever the user had scrolled to.
TEST(TextFromStart, ATextBoxShowsANewTextFromItsFirstLine) {
  test::SmallForm model;
  Memo& memo = model.form.create<Memo>("Memo1");
  memo.setBounds({10, 10, 120, 60});
  memo.setWordWrap(false);
  memo.setReadOnly(true);
  FormView view(model.form);
  model.form.show();
  auto* box = view.widget<QPlainTextEdit>("Memo1");
  ASSERT_NE(box, nullptr);
  std::string lines;
  for (int i = 0; i < 30; ++i) lines += "Line " + std::to_string(i) + " with a text wider than its box\n";
  memo.setText(lines);
  test::Pump(0);
  box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
  box->horizontalScrollBar()->setValue(box->horizontalScrollBar()->maximum());
  ASSERT_GT(box->verticalScrollBar()->value(), 0);
  memo.setText("First 0.000123456789012345678901234567890\n" + lines);
  test::Pump(0);
  EXPECT_EQ(box->verticalScrollBar()->value(), 0);
  EXPECT_EQ(box->horizontalScrollBar()->value(), 0);
  const QTextCursor topLeft = box->cursorForPosition(QPoint(2, 2));
  EXPECT_EQ(topLeft.blockNumber(), 0);
  EXPECT_EQ(topLeft.positionInBlock(), 0);
}

}  // namespace
}  // namespace cq::ui
