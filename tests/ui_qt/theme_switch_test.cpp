// A theme looks the same however it was reached: fonts and sheets of every
// widget after a detour through the other styles equal those of the first
// time it was set.
#include <QFontInfo>
#include <QImage>
#include <gtest/gtest.h>
#include <map>

#include "program_fixture.h"
#include "ui_qt/qt_styles.h"

namespace cq::ui {
namespace {

using Looks = std::map<std::string, std::string>;

Looks looksOf(const FormView& view) {
  Looks looks;
  for (const Control* c : view.form().allControls())
    if (const QWidget* w = view.widgetFor(*c); w && w != view.clientArea())
      looks[c->name()] = (QFontInfo(w->font()).family() + QLatin1Char('/') + QString::number(w->font().pixelSize()) +
                          (w->font().bold() ? "/bold/" : "/normal/") + w->styleSheet())
                             .toStdString();
  return looks;
}

TEST(ThemeSwitch, EveryStyleLooksTheSameAfterADetour) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  QtStyles styles([](const std::string&) {});
  for (const std::string& theme : styles.names()) {
    SCOPED_TRACE(theme);
    ASSERT_TRUE(styles.trySetStyle(theme));
    const Looks first = looksOf(p.view());
    // Through the platform's look (or from it, through a carried one).
    styles.trySetStyle(theme == "Windows" ? "Charcoal HiRes" : "Windows");
    styles.trySetStyle(theme);
    const Looks again = looksOf(p.view());
    for (const auto& [name, look] : first) EXPECT_EQ(again.at(name), look) << name;
  }
}

TEST(ThemeSwitch, ValuesKeepTheirDescribedBoldFont) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  QtStyles styles([](const std::string&) {});
  for (const char* route : {"Charcoal HiRes", "Windows"}) {
    styles.trySetStyle(route);
    styles.trySetStyle("Charcoal HiRes");
    // A result box is bold navy in its description, a caption is not bold.
    EXPECT_TRUE(p.view().widgetFor("Edit15")->font().bold()) << route;
    EXPECT_FALSE(p.view().widgetFor("Label17")->font().bold()) << route;
  }
}

// A switch keeps the style object when only the palette and sheets
// change; the window must paint what a style set from nothing paints.
TEST(ThemeSwitch, ASwitchPaintsWhatAStyleSetAfreshPaints) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  for (const std::string theme : {"Charcoal Dark Slate", "Windows", "Slate"}) {
    SCOPED_TRACE(theme);
    QImage fresh;
    {
      QtStyles first([](const std::string&) {});
      ASSERT_TRUE(first.trySetStyle(theme));
      fresh = p.view().grabClientArea().toImage();
    }
    QtStyles styles([](const std::string&) {});
    styles.trySetStyle(theme == "Windows" ? "Charcoal HiRes" : "Windows");
    styles.trySetStyle("Windows10");
    ASSERT_TRUE(styles.trySetStyle(theme));
    EXPECT_TRUE(p.view().grabClientArea().toImage() == fresh);
  }
}

}  // namespace
}  // namespace cq::ui
