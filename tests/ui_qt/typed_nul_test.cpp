// A NUL that reaches a field (pasted, or committed by an input method)
// arrives in the model whole, and the error box of the text quotes it whole.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/numbers.h"
#include "qt_test_support.h"
#include "small_form.h"
#include "ui_qt/form_view.h"

namespace cq::ui {
namespace {

struct Entry {
  const char* how;
  std::function<void(QLineEdit&, const QString&)> enter;
};

const Entry kEntries[] = {
    {"pasted",
     [](QLineEdit& le, const QString& text) {
       QApplication::clipboard()->setText(text);
       le.paste();
     }},
    {"committed", [](QLineEdit& le, const QString& text) { test::CommitText(&le, text); }},
};

TEST(TypedNul, ReachesTheModelAndTheErrorBoxWhole) {
  const std::string typed("1\0" "2", 3);
  for (const Entry& entry : kEntries) {
    SCOPED_TRACE(entry.how);
    test::SmallForm model;
    Edit& edit = model.form.create<Edit>("Edit1");
    edit.setBounds({10, 10, 100, 21});
    edit.setText("");
    edit.OnChange = [&edit](Control*) { ParseLocaleFloat(edit.text()); };
    FormView view(model.form);
    model.form.show();
    auto* lineEdit = view.widget<QLineEdit>("Edit1");
    ASSERT_NE(lineEdit, nullptr);
    lineEdit->setFocus();

    entry.enter(*lineEdit, QString::fromStdString(typed));

    EXPECT_EQ(edit.text(), typed);
    ASSERT_EQ(model.fakes.dialogs.shown.size(), 1u);
    EXPECT_EQ(model.fakes.dialogs.shown[0].text, "'" + typed + "' is not a valid floating point value");
  }
}

}  // namespace
}  // namespace cq::ui
