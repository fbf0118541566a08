// The very first input after start is a click on a radio item of a window
// that is not active yet: the window system activates the window between
// the press and the release, and the activation hands the focus to the
// pressed item. The click must still select the item.
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "program_fixture.h"
#include "ui_qt/widgets.h"

namespace cq::ui {
namespace {

TEST(RadioFirstClick, SelectsTheItemWhenTheClickActivatesTheWindow) {
  // The Units, Layer Set and Property Selection radios of the start page.
  for (const char* name : {"RadioGroup6", "RadioGroup3", "RadioGroup5"}) {
    SCOPED_TRACE(name);
    test::ProgramWithViews p;
    p.program().showMainWindow();
    FormView& view = p.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    // Another window has the activation, as the splash has at start.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_FALSE(view.isActiveWindow());
    auto* group = view.widget<RadioGroupWidget>(name);
    const int item = group->checkedIndex() == 0 ? 1 : 0;
    QRadioButton* button = group->button(item);
    // On the item's mark and caption, where a radio button takes clicks.
    const QPoint at = button->mapTo(&view, QPoint(10, button->height() / 2));

    QTest::mousePress(view.windowHandle(), Qt::LeftButton, {}, at);
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    QTest::mouseRelease(view.windowHandle(), Qt::LeftButton, {}, at);

    EXPECT_EQ(p.form().radio(name).itemIndex(), item);
    EXPECT_EQ(group->checkedIndex(), item);
  }
}

}  // namespace
}  // namespace cq::ui
