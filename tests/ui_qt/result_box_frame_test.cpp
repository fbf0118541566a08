// Read-only boxes keep their frame in every theme; only a unit text set
// inside a bigger input field is drawn bare.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "program_fixture.h"
#include "ui_qt/qt_styles.h"

namespace cq::ui {
namespace {

bool DrawnBare(const QWidget& w) { return w.styleSheet().contains(QStringLiteral("border: none")); }

// The "ns" boxes of Bandwidth and Wavelength, placed inside their fields.
const std::set<std::string> kInsideAField = {"Edit279", "Edit280"};

TEST(ResultBoxFrames, EveryReadOnlyBoxButTheUnitsInsideAFieldHasAFrame) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  QtStyles styles([](const std::string&) {});
  for (const std::string& theme : styles.names()) {
    styles.trySetStyle(theme);
    for (const Control* c : p.form().allControls()) {
      const auto* edit = dynamic_cast<const Edit*>(c);
      if (edit == nullptr || dynamic_cast<const Memo*>(c) || !edit->readOnly()) continue;
      const QWidget* w = p.view().widgetFor(*c);
      ASSERT_TRUE(w) << c->name();
      const bool inside = kInsideAField.count(c->name()) > 0;
      EXPECT_EQ(DrawnBare(*w), inside) << theme << ": " << c->name()
                                       << (inside ? " sits inside its field" : " is drawn without a frame");
    }
  }
}

}  // namespace
}  // namespace cq::ui
