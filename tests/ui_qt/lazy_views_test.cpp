// The widgets of a window come with its first frame, those of a page that
// is not shown when that page is first shown; nothing of it may show.
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>

#include "app/calculator_table.h"
#include "program_fixture.h"
#include "qt_test_support.h"
#include "ui_qt/form_view.h"
#include "ui_qt/widgets.h"

namespace cq::ui {
namespace {

QWidget* builtWidget(FormView& view, std::string_view name) {
  return view.clientArea()->findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

// The widgets Tab can reach, in the window's focus chain, by name (a radio
// item as group/index), starting from the first control of the chain.
std::vector<std::string> focusChain(FormView& view) {
  std::vector<std::string> names;
  QWidget* start = view.clientArea();
  for (QWidget* w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
    if (w->focusPolicy() == Qt::NoFocus) continue;
    if (auto* radio = qobject_cast<QRadioButton*>(w)) {
      auto* group = static_cast<RadioGroupWidget*>(radio->parentWidget());
      const auto& all = group->allButtons();
      const auto index = std::find(all.begin(), all.end(), radio) - all.begin();
      names.push_back(group->objectName().toStdString() + "/" + std::to_string(index));
    } else if (!w->objectName().isEmpty()) {
      names.push_back(w->objectName().toStdString());
    }
  }
  return names;
}

// The names of a that b has too, in a's order.
std::vector<std::string> common(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  std::vector<std::string> out;
  for (const auto& name : a)
    if (std::find(b.begin(), b.end(), name) != b.end()) out.push_back(name);
  return out;
}

class LazyViews : public ::testing::Test {
 protected:
  LazyViews() {
    p.program().showMainWindow();
    QApplication::processEvents();
  }
  FormView& main() { return p.view(); }
  void activate(int calculator) {
    p.form().get<TabControl>("TabControl1").userSelect(calculator);
    QApplication::processEvents();
  }
  test::ProgramWithViews p;
};

TEST_F(LazyViews, OnlyTheShownPageIsBuiltAtStart) {
  // The stored calculator of an installed key: Via Properties.
  const int shown = p.form().get<TabControl>("TabControl1").tabIndex();
  for (const CalculatorInfo& c : Calculators()) {
    QWidget* page = builtWidget(main(), c.page);
    if (c.index == shown) {
      ASSERT_NE(page, nullptr);
      EXPECT_TRUE(page->isVisible());
    } else {
      EXPECT_EQ(page, nullptr) << c.page;
    }
  }
  // Windows not on screen have no controls yet.
  EXPECT_EQ(builtWidget(p.view("Form6"), "RadioGroup1"), nullptr);
}

TEST_F(LazyViews, APageShownLaterShowsWhatTheModelWroteWhileItWasHidden) {
  const CalculatorInfo& fusing = Calculator(static_cast<int>(CalculatorId::FusingCurrent));
  activate(fusing.index);
  QWidget* page = builtWidget(main(), fusing.page);
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->isVisible());
  EXPECT_EQ(static_cast<QGroupBox*>(page)->title().toStdString(), p.form().get<GroupBox>(std::string(fusing.page)).caption());
  // Its fields show the model's texts, its solved results included.
  int fields = 0;
  for (Control* c : p.form().get<GroupBox>(std::string(fusing.page)).children())
    if (auto* edit = dynamic_cast<Edit*>(c); edit && edit->visible()) {
      auto* shownEdit = qobject_cast<QLineEdit*>(builtWidget(main(), edit->name()));
      ASSERT_NE(shownEdit, nullptr) << edit->name();
      EXPECT_EQ(shownEdit->text().toStdString(), edit->text()) << edit->name();
      ++fields;
    }
  EXPECT_GT(fields, 0);
  // The page it replaced stays built, now hidden.
  EXPECT_FALSE(builtWidget(main(), Calculator(static_cast<int>(CalculatorId::ViaProperties)).page)->isVisible());
}

TEST_F(LazyViews, TabOrderIsAsIfEveryPageHadBeenBuiltAtOnce) {
  // Every page once, in a user's order, then the chain of the whole window.
  for (int i : {3, 0, 18, 7, 11, 1, 16, 5, 9, 14, 2, 4, 6, 8, 10, 12, 13, 15, 17}) activate(i);
  const auto lazily = focusChain(main());

  // The same window with nothing hidden builds every widget in one go.
  test::ProgramWithViews eager;
  for (Control* c : eager.form().allControls()) c->setVisible(true);
  eager.view().grabClientArea();
  const auto atOnce = focusChain(eager.view());
  // Compared on what both have: containers never shown (the manual copper
  // boxes) are not built, and radio items that refills added are new.
  EXPECT_EQ(common(lazily, atOnce), common(atOnce, lazily));
  EXPECT_GT(lazily.size(), 200u);
}

// A field of the shown page that the model hides, its own ancestors shown.
Edit* hiddenFieldOf(Control& container) {
  for (Control* c : container.children()) {
    if (!c->visible()) {
      if (auto* edit = dynamic_cast<Edit*>(c)) return edit;
      continue;
    }
    if (Edit* edit = hiddenFieldOf(*c)) return edit;
  }
  return nullptr;
}

TEST_F(LazyViews, AHiddenFieldIsBuiltWhenShownWithWhatTheModelWroteMeanwhile) {
  const CalculatorInfo& via = Calculator(static_cast<int>(CalculatorId::ViaProperties));
  Edit* field = hiddenFieldOf(p.form().get<GroupBox>(std::string(via.page)));
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(builtWidget(main(), field->name()), nullptr);

  field->setText("12.5");
  field->setHint("Pad size|The pad's outer size");
  field->setBounds({field->bounds().left + 3, field->bounds().top, field->bounds().width, field->bounds().height});
  field->setVisible(true);
  QApplication::processEvents();

  auto* shown = qobject_cast<QLineEdit*>(builtWidget(main(), field->name()));
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->isVisible());
  EXPECT_EQ(shown->text().toStdString(), "12.5");
  EXPECT_EQ(shown->toolTip(), ShortHint("Pad size|The pad's outer size"));
  EXPECT_EQ(shown->x(), field->bounds().left);
  EXPECT_EQ(shown->width(), field->bounds().width);
  // Tab reaches it among the page's fields, as if it had been built at start.
  const auto chain = focusChain(main());
  EXPECT_NE(std::find(chain.begin(), chain.end(), field->name()), chain.end());
}

TEST_F(LazyViews, AskingForAWidgetOfAHiddenPageBuildsIt) {
  const CalculatorInfo& pdn = Calculator(static_cast<int>(CalculatorId::Pdn));
  ASSERT_EQ(builtWidget(main(), pdn.page), nullptr);
  QWidget* page = main().widgetFor(std::string(pdn.page));
  ASSERT_NE(page, nullptr);
  EXPECT_FALSE(page->isVisible());
  EXPECT_EQ(builtWidget(main(), pdn.page), page);
}

}  // namespace
}  // namespace cq::ui
