#include "ui_qt/front_end.h"

#include <QTimer>
#include <gtest/gtest.h>

#include "program_fixture.h"
#include "ui_qt/qt_process.h"

namespace cq::ui {
namespace {

TEST(FrontEnd, ClosingTheMainWindowEndsTheLoop) {
  test::ProgramWithViews p;
  bool closedFromLoop = false;
  QTimer::singleShot(50, [&] {
    closedFromLoop = true;
    p.view().close();
  });
  p.frontEnd().run();
  EXPECT_TRUE(closedFromLoop);
  EXPECT_TRUE(p.program().app().terminated());
  EXPECT_FALSE(p.view().isVisible());
}

TEST(FrontEnd, ClosingAnotherWindowDoesNotEndTheLoop) {
  test::ProgramWithViews p;
  bool stillRunning = false;
  QTimer::singleShot(20, [&] {
    p.form("Form2").show();
    p.view("Form2").close();
  });
  QTimer::singleShot(80, [&] {
    stillRunning = !p.program().app().terminated();
    p.view().close();
  });
  p.frontEnd().run();
  EXPECT_TRUE(stillRunning);
  EXPECT_FALSE(p.form("Form2").visible());
}

TEST(QtProcess, ExitEndsAtOnceWithTheStatus) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(QtProcess().exit(3), ::testing::ExitedWithCode(3), "");
  EXPECT_EXIT(QtProcess().exit(0), ::testing::ExitedWithCode(0), "");
}

TEST(QtProcess, KnowsItsFileAndFolder) {
  QtProcess process;
  EXPECT_NE(process.programPath().find("cirquet_qt_tests"), std::string::npos);
  EXPECT_FALSE(process.currentDirectory().empty());
}

}  // namespace
}  // namespace cq::ui
