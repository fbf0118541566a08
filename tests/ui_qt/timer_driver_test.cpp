#include "ui_qt/timer_driver.h"

#include <QTimer>
#include <gtest/gtest.h>

#include "qt_test_support.h"
#include "small_form.h"

namespace cq::ui {
namespace {

TEST(TimerDriver, QtTimersFollowTheModelsIntervalAndEnabledState) {
  test::SmallForm model;
  Timer& timer = model.form.create<Timer>("Timer1");
  timer.setInterval(750);
  TimerDriver driver({&model.form});
  QTimer* q = driver.qtTimerOf(timer);
  ASSERT_NE(q, nullptr);
  // Running from creation, whether the window shows or not.
  EXPECT_TRUE(q->isActive());
  EXPECT_EQ(q->interval(), 750);
  timer.setInterval(20);
  EXPECT_EQ(q->interval(), 20);
  timer.setEnabled(false);
  EXPECT_FALSE(q->isActive());
  timer.setEnabled(true);
  EXPECT_TRUE(q->isActive());
  timer.setInterval(0);
  EXPECT_FALSE(q->isActive());
}

TEST(TimerDriver, TicksReachTheHandlerAndDoNotStackUnderItsOwnBox) {
  test::SmallForm model;
  Timer& timer = model.form.create<Timer>("Timer1");
  timer.setInterval(5);
  int ticks = 0;
  int depth = 0, deepest = 0;
  timer.OnTimer = [&](Control*) {
    ++ticks;
    ++depth;
    deepest = std::max(deepest, depth);
    // A handler that lets messages run, as a message box does.
    if (ticks == 1) test::Pump(40);
    --depth;
  };
  TimerDriver driver({&model.form});
  // A loaded machine may run the timer late: wait for the second tick, with a
  // generous limit, instead of a fixed time.
  for (int waited = 0; ticks < 2 && waited < 5000; waited += 20) test::Pump(20);
  EXPECT_GE(ticks, 2);
  EXPECT_EQ(deepest, 1);
}

}  // namespace
}  // namespace cq::ui
