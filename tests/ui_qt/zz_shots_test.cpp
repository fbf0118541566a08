#include <gtest/gtest.h>
#include "program_fixture.h"
#include "ui_qt/qt_styles.h"
namespace cq::ui {
TEST(ZZShots, Styles) {
  QtStyles styles([](const std::string&) {});
  test::ProgramWithViews p;
  p.program().showMainWindow();
  for (std::string n : {"Charcoal Dark Slate", "Charcoal HiRes", "Slate", "Windows", "Windows10"}) {
    styles.trySetStyle(n);
    p.view().grab().save(QString::fromStdString("/tmp/style-" + n + ".png"));
    p.form("Form6").show();
    p.view("Form6").grab().save(QString::fromStdString("/tmp/style6-" + n + ".png"));
    p.form("Form6").close();
  }
}
}
