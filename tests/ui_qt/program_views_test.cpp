#include <QApplication>
#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/calculator_id.h"
#include "program_fixture.h"
#include "qt_test_support.h"
#include "ui_qt/multi_row_tab_strip.h"
#include "ui_qt/timer_driver.h"
#include "ui_qt/widgets.h"

namespace cq::ui {
namespace {

class ProgramViewsTest : public ::testing::Test {
 protected:
  ProgramViewsTest() { p.program().showMainWindow(); }
  test::ProgramWithViews p;
};

TEST_F(ProgramViewsTest, EverySevenWindowsHasItsOwnTopLevelView) {
  std::vector<std::string> names;
  for (const auto& v : p.frontEnd().views()) {
    names.push_back(v->form().name());
    // No view is a Qt child of another: disabling one disables no other.
    EXPECT_EQ(v->parentWidget(), nullptr) << v->form().name();
    EXPECT_TRUE(v->isWindow());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Form1", "Form2", "Form4", "Form5", "Form6", "Form8", "Form9"}));
  EXPECT_TRUE(p.view("Form1").isVisible());
  EXPECT_FALSE(p.view("Form2").isVisible());

  p.form("Form1").setEnabled(false);
  EXPECT_FALSE(p.view("Form1").isEnabled());
  EXPECT_TRUE(p.view("Form6").isEnabled());
  p.form("Form1").setEnabled(true);
}

TEST_F(ProgramViewsTest, MainWindowIsFixedWithoutMaximiseButton) {
  FormView& main = p.view();
  main.layout()->activate();
  EXPECT_EQ(main.clientArea()->size(), QSize(963, 763));
  EXPECT_EQ(main.minimumSize(), main.maximumSize());
  EXPECT_FALSE(main.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(main.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_EQ(main.windowTitle().toStdString(), p.form().caption());
}

// The settings-script installer closes through its two buttons only; the
// other dialogs keep their close box.
TEST_F(ProgramViewsTest, OnlyTheInstallerHasNoCloseButton) {
  for (const char* name : {"Form2", "Form5", "Form6", "Form8", "Form9"}) {
    const Qt::WindowFlags flags = p.view(name).windowFlags();
    const bool installer = std::string(name) == "Form8";
    EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), !installer) << name;
    EXPECT_EQ(flags.testFlag(Qt::WindowSystemMenuHint), !installer) << name;
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint)) << name;
  }
}

TEST_F(ProgramViewsTest, AGrabRendersTheWindow) {
  const QImage image = p.view().grabClientArea().toImage();
  ASSERT_EQ(image.size() / image.devicePixelRatio(), QSize(963, 763));
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  // Tabs, frames, texts and fields: far more than a blank fill.
  EXPECT_GT(colours.size(), 20);
}

TEST_F(ProgramViewsTest, TabsShowTheNineteenCalculators) {
  auto* strip = p.view().widget<MultiRowTabStrip>("TabControl1");
  ASSERT_NE(strip, nullptr);
  ASSERT_EQ(strip->count(), kCalculatorCount);
  const auto& model = p.form().get<TabControl>("TabControl1").tabs();
  for (int i = 0; i < kCalculatorCount; ++i) EXPECT_EQ(strip->tabs()[i].toStdString(), model[static_cast<size_t>(i)]);
  EXPECT_EQ(strip->tabs()[0], "Bandwidth && Max Conductor Length");
  EXPECT_EQ(strip->tabs()[18], "XL-XC Reactance");
  EXPECT_GT(strip->rowCount(), 1);
  // Every tab lies inside the strip, none over another.
  for (int i = 0; i < kCalculatorCount; ++i) {
    EXPECT_TRUE(strip->rect().contains(strip->tabRect(i))) << i;
    for (int j = i + 1; j < kCalculatorCount; ++j) EXPECT_FALSE(strip->tabRect(i).intersects(strip->tabRect(j))) << i << " " << j;
  }
}

TEST_F(ProgramViewsTest, ClickingATabReachesTheModel) {
  auto* strip = p.view().widget<MultiRowTabStrip>("TabControl1");
  auto& tabs = p.form().get<TabControl>("TabControl1");
  test::ClickAt(strip, strip->tabRect(16).center());
  EXPECT_EQ(tabs.tabIndex(), 16);
  EXPECT_EQ(strip->currentIndex(), 16);
  test::ClickAt(strip, strip->tabRect(3).center());
  EXPECT_EQ(tabs.tabIndex(), 3);
}

// The menu bars are the window's own: no bar is handed to a desktop's
// global menu, and none asks the session bus whether one exists.
TEST_F(ProgramViewsTest, MenuBarsStayInTheWindow) {
  QMenuBar* bar = p.view().menuBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(bar->isNativeMenuBar());
  EXPECT_TRUE(QApplication::testAttribute(Qt::AA_DontUseNativeMenuBar));
}

TEST_F(ProgramViewsTest, MenusShowTheirCaptions) {
  QMenuBar* bar = p.view().menuBar();
  ASSERT_NE(bar, nullptr);
  QStringList shown;
  for (QAction* a : bar->actions())
    if (a->isVisible()) shown << a->text();
  EXPECT_EQ(shown, (QStringList{"&File", "&Program Function", "&Tools", "&Help", "|",
                                "&Contact Quillonex PCB Design, Inc."}));
  // The bar between help and contact is greyed.
  EXPECT_FALSE(p.view().actionFor(p.form().menuItem("N7"))->isEnabled());
  // "&&" shows one "&".
  QAction* first = p.view().actionFor(p.form().menuItem("SignalProperties1"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->iconText(), "Bandwidth & Max Conductor Length");
  QMenu* file = bar->actions().front()->menu();
  ASSERT_NE(file, nullptr);
  QStringList items;
  for (QAction* a : file->actions()) items << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(items, (QStringList{"Printer &Setup", "&Print Form", "-", "&Exit"}));
}

TEST_F(ProgramViewsTest, TheClockReachesTheStatusBarFromTheTimer) {
  auto* status = dynamic_cast<StatusBarWidget*>(p.view().widgetFor("StatusBar1"));
  ASSERT_NE(status, nullptr);
  QTimer* timer = p.frontEnd().timers().qtTimerOf(p.form().get<Timer>("Timer1"));
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->interval(), 750);
  p.fakes.clock.time = "11:22:33";
  test::Pump(900);
  EXPECT_NE(status->shownText(1).indexOf("11:22:33"), -1) << status->shownText(1).toStdString();
}

}  // namespace
}  // namespace cq::ui
