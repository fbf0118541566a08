#pragma once
// At start the first window's first frame comes before any other window is
// mapped: a window shown while that frame is still to come (the splash
// right after the main window) shows once it is on screen, or after a short
// while at the latest. Mapping a second window first would only delay the
// frame the user waits for; both still show in the order they were shown.
#include <QWidget>
#include <functional>

namespace cq::ui {

class StartFrameGate {
 public:
  // A window is about to show. True: show it now. False: `show` runs once
  // the gate opens, unless the window is gone by then.
  static bool admit(QWidget* window, std::function<void()> show);
  // The window's first expose: the frame is drawn as this event ends.
  static void exposed(QWidget* window);
  // The window hid or went away; if it held the gate, the gate opens.
  static void released(QWidget* window);
  // For tests: the gate as at the start of the program.
  static void reset();

 private:
  static void open();
};

}  // namespace cq::ui
