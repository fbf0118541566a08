// A layout table bound to a window: keep cells, items outside the table and
// tables that do not fit the window.
#include "app/layouts/page_layout.h"

#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/errors.h"
#include "support/fake_services.h"

namespace cq {
namespace {

class PageLayoutTest : public ::testing::Test {
 protected:
  test::FakeServices fakes;
  Application app{fakes.services()};
  Form form{app, "Form1", "TForm1"};
  Label& caption = form.create<Label>("Label1");
  Edit& box = form.create<Edit>("Edit1");

  const LayoutTable table = Rows({
      OneShownPerItem({"Label1", "Edit1"}),
      {
          {LayoutProperty::Caption, {"Label1"}, {"first", K}},
          {LayoutProperty::Hint, {"Edit1"}, {K, "second"}},
          {LayoutProperty::Top, {"Label1", "Edit1"}, {10, 20}},
          {LayoutProperty::Left, {"Edit1"}, {K, 30}},
          {LayoutProperty::Enabled, {"Edit1"}, {0, 1}},
      },
  });
};

TEST_F(PageLayoutTest, AppliesTheCellsOfTheItemAndLeavesKeptOnesAlone) {
  PageLayout layout(form, table, 2);
  caption.setCaption("design");
  box.setHint("typed hint");
  box.setLeft(5);

  layout.apply(0);
  EXPECT_TRUE(caption.visible());
  EXPECT_FALSE(box.visible());
  EXPECT_EQ(caption.caption(), "first");
  EXPECT_EQ(box.hint(), "typed hint");
  EXPECT_EQ(caption.bounds().top, 10);
  EXPECT_EQ(box.bounds().top, 10);
  EXPECT_EQ(box.bounds().left, 5);
  EXPECT_FALSE(box.enabled());

  layout.apply(1);
  EXPECT_FALSE(caption.visible());
  EXPECT_TRUE(box.visible());
  EXPECT_EQ(caption.caption(), "first");  // item 1 keeps what item 0 wrote
  EXPECT_EQ(box.hint(), "second");
  EXPECT_EQ(box.bounds().top, 20);
  EXPECT_EQ(box.bounds().left, 30);
  EXPECT_TRUE(box.enabled());
}

// A radio with no item selected lays nothing out.
TEST_F(PageLayoutTest, AnItemOutsideTheTableChangesNothing) {
  PageLayout layout(form, table, 2);
  for (int item : {-1, 2}) {
    layout.apply(item);
    EXPECT_TRUE(caption.visible());
    EXPECT_TRUE(box.visible());
    EXPECT_EQ(caption.caption(), "");
    EXPECT_TRUE(box.enabled());
  }
}

TEST_F(PageLayoutTest, ATableThatDoesNotFitTheWindowFailsWhenBound) {
  EXPECT_THROW(PageLayout(form, table, 3), DescriptionError);
  const LayoutTable cases[] = {
      {{LayoutProperty::Visible, {"Label9"}, {1, 0}}},
      {{LayoutProperty::Visible, {}, {1, 0}}},
      {{LayoutProperty::Visible, {"Label1"}, {1, 2}}},
      {{LayoutProperty::Caption, {"Label1"}, {1, K}}},
      {{LayoutProperty::Top, {"Label1"}, {"10", K}}},
  };
  for (const auto& bad : cases) EXPECT_THROW(PageLayout(form, bad, 2), DescriptionError);
}

}  // namespace
}  // namespace cq
