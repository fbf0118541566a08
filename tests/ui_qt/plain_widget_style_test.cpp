// A control that shows nothing but its font carries no style sheet of its
// own; a colour brings one, and when the colour goes the font still holds,
// through a theme change too.
#include <QFontInfo>
#include <QLabel>
#include <gtest/gtest.h>

#include "small_form.h"
#include "ui_qt/form_view.h"
#include "ui_qt/qt_styles.h"

namespace cq::ui {
namespace {

TEST(PlainWidgetStyle, AColourBringsASheetAndTheFontOutlivesIt) {
  QtStyles styles([](const std::string&) {});
  ASSERT_TRUE(styles.trySetStyle("Charcoal HiRes"));
  test::SmallForm model;
  model.form.setFont({"Verdana", 11});
  auto& label = model.form.create<Label>("Label1");
  label.setBounds({10, 10, 200, 20});
  label.setCaption("Zo");
  FormView view(model.form);
  model.form.show();
  auto* shown = view.widget<QLabel>("Label1");
  ASSERT_NE(shown, nullptr);
  const int size = shown->font().pixelSize();
  ASSERT_GT(size, 0);
  EXPECT_TRUE(shown->styleSheet().isEmpty());

  label.setFontColor(colors::Red);  // a warning
  EXPECT_TRUE(shown->styleSheet().contains("color:"));
  EXPECT_EQ(shown->font().pixelSize(), size);

  label.setFontColor(colors::Default);
  EXPECT_TRUE(shown->styleSheet().isEmpty());
  EXPECT_EQ(shown->font().pixelSize(), size);
  for (const char* theme : {"Windows", "Charcoal HiRes"}) {
    ASSERT_TRUE(styles.trySetStyle(theme));
    EXPECT_EQ(shown->font().pixelSize(), size) << theme;
    EXPECT_EQ(QFontInfo(shown->font()).family(), QFontInfo(view.clientArea()->font()).family()) << theme;
  }
}

}  // namespace
}  // namespace cq::ui
