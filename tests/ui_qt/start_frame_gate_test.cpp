// At start a window shown while the first window's first frame is still to
// come shows once that frame is drawn: the main window is on screen first,
// the splash right after it and above it.
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "qt_test_support.h"
#include "ui_qt/start_frame_gate.h"

namespace cq::ui {
namespace {

class StartFrameGateTest : public ::testing::Test {
 protected:
  StartFrameGateTest() { StartFrameGate::reset(); }
  ~StartFrameGateTest() override { StartFrameGate::reset(); }

  // Shown through the gate, as the form views show their windows.
  static void showThroughGate(QWidget& w) {
    if (StartFrameGate::admit(&w, [&w] { w.show(); })) w.show();
  }
};

TEST_F(StartFrameGateTest, ASecondWindowWaitsForTheFirstWindowsFirstFrame) {
  QWidget first, second;
  showThroughGate(first);
  showThroughGate(second);
  EXPECT_TRUE(first.isVisible());
  EXPECT_FALSE(second.isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
  StartFrameGate::exposed(&first);
  EXPECT_FALSE(second.isVisible());  // not before the frame is drawn
  EXPECT_TRUE(QTest::qWaitFor([&] { return second.isVisible(); }, 1000));
  // From then on windows show at once, the first one again too.
  QWidget third;
  showThroughGate(third);
  EXPECT_TRUE(third.isVisible());
}

TEST_F(StartFrameGateTest, AWindowHiddenWhileWaitingNeverShows) {
  QWidget first, second, third;
  showThroughGate(first);
  showThroughGate(second);
  showThroughGate(third);
  StartFrameGate::released(&second);
  StartFrameGate::exposed(&first);
  EXPECT_TRUE(QTest::qWaitFor([&] { return third.isVisible(); }, 1000));
  EXPECT_FALSE(second.isVisible());
}

TEST_F(StartFrameGateTest, AFirstWindowThatGoesOrNeverDrawsHoldsNoOneBack) {
  {
    // Never drawn: the others show after a short while all the same.
    QWidget never, waiting;
    ASSERT_TRUE(StartFrameGate::admit(&never, [] {}));
    showThroughGate(waiting);
    EXPECT_FALSE(waiting.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return waiting.isVisible(); }, 1000));
  }
  StartFrameGate::reset();
  // Hidden before its frame: the gate opens at once.
  QWidget first, waiting;
  showThroughGate(first);
  showThroughGate(waiting);
  StartFrameGate::released(&first);
  EXPECT_TRUE(waiting.isVisible());
}

TEST_F(StartFrameGateTest, AWaitingWindowThatIsDestroyedIsSkipped) {
  QWidget first, after;
  showThroughGate(first);
  {
    QWidget gone;
    showThroughGate(gone);
  }
  showThroughGate(after);
  StartFrameGate::exposed(&first);
  EXPECT_TRUE(QTest::qWaitFor([&] { return after.isVisible(); }, 1000));
}

}  // namespace
}  // namespace cq::ui
