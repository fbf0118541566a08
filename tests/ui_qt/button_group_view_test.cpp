// The EDA window's button groups on screen: full-width buttons that open
// their pages on a click and that the user drags into another order.
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/button_group.h"
#include "program_fixture.h"
#include "qt_test_support.h"
#include "ui_qt/button_group_widget.h"

namespace cq::ui {
namespace {

using Opened = std::vector<std::pair<std::string, std::string>>;

class ButtonGroupView : public ::testing::Test {
 protected:
  ButtonGroupView() {
    p.program().showMainWindow();
    p.form("Form9").show();
    EXPECT_TRUE(test::WaitUntilOnScreen(p.view("Form9")));
    books = p.view("Form9").widget<ButtonGroupWidget>("ButtonGroup5");
  }
  QPushButton* book(int index) { return books->button(index); }
  std::vector<std::string> captions() { return p.form("Form9").get<ButtonGroup>("ButtonGroup5").captions(); }

  test::ProgramWithViews p;
  ButtonGroupWidget* books = nullptr;
};

TEST_F(ButtonGroupView, ShowsEveryItemAsAFullWidthButton) {
  ASSERT_NE(books, nullptr);
  ASSERT_EQ(books->count(), 11);
  EXPECT_EQ(book(0)->text().toStdString(), "IPC");
  EXPECT_EQ(book(3)->text().toStdString(), "The Hitchhiker's Guide to PCB Design");
  EXPECT_TRUE(book(10)->text().isEmpty());
  EXPECT_EQ(book(0)->width(), books->viewport()->width());
  EXPECT_EQ(book(1)->y(), book(0)->y() + book(0)->height());
  // 21 items of the simulations group do not fit: that one scrolls.
  auto* simulations = p.view("Form9").widget<ButtonGroupWidget>("ButtonGroup1");
  ASSERT_NE(simulations, nullptr);
  EXPECT_EQ(simulations->count(), 21);
  EXPECT_GT(simulations->widget()->height(), simulations->viewport()->height());
}

TEST_F(ButtonGroupView, AClickOpensThePageOfTheItem) {
  test::Click(book(1));
  EXPECT_EQ(p.fakes.shell.opened, (Opened{{"https://www.ieee.org", ""}}));
  p.fakes.shell.opened.clear();
  test::Click(book(5));  // an empty item
  EXPECT_TRUE(p.fakes.shell.opened.empty());
}

TEST_F(ButtonGroupView, ADragMovesTheItemAndOpensNothing) {
  test::Drag(book(3), book(0));
  EXPECT_TRUE(p.fakes.shell.opened.empty());
  EXPECT_EQ(captions()[0], "The Hitchhiker's Guide to PCB Design");
  EXPECT_EQ(captions()[1], "IPC");
  EXPECT_EQ(book(0)->text().toStdString(), "The Hitchhiker's Guide to PCB Design");
  EXPECT_EQ(book(3)->text().toStdString(), "Printed Circuits Handbook, Seventh Edition");
  EXPECT_FALSE(book(3)->isDown());

  // Downwards: "IPC" lands on the place of the first empty item.
  test::Drag(book(1), book(4));
  EXPECT_EQ(book(4)->text().toStdString(), "IPC");
  EXPECT_EQ(book(3)->text().toStdString(), "");

  // The moved items open their own pages at their new places.
  test::Click(book(0));
  test::Click(book(4));
  EXPECT_EQ(p.fakes.shell.opened,
            (Opened{{"https://isbnsearch.org/isbn/9780368246968", ""}, {"https://www.ipc.org", ""}}));
}

TEST_F(ButtonGroupView, AMoveWithinTheDragDistanceIsAClick) {
  test::Drag(book(2), book(2));
  EXPECT_EQ(p.fakes.shell.opened, (Opened{{"https://isbnsearch.org/isbn/9780071833950", ""}}));
  EXPECT_EQ(captions()[2], "Printed Circuits Handbook, Seventh Edition");
}

}  // namespace
}  // namespace cq::ui
