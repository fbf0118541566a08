#include "ui_qt/start_frame_gate.h"

#include <QPointer>
#include <QTimer>
#include <utility>
#include <vector>

namespace cq::ui {

namespace {

// A first frame that never comes (a window mapped minimised) holds no
// other window back for longer than this.
constexpr int kLongestWaitMs = 250;

struct Gate {
  bool opened = false;
  QPointer<QWidget> first;
  std::vector<std::pair<QPointer<QWidget>, std::function<void()>>> waiting;
};

Gate& gate() {
  static Gate g;
  return g;
}

}  // namespace

bool StartFrameGate::admit(QWidget* window, std::function<void()> show) {
  Gate& g = gate();
  if (g.opened || g.first == window) return true;
  if (!g.first) {
    g.first = window;
    QTimer::singleShot(kLongestWaitMs, &StartFrameGate::open);
    return true;
  }
  g.waiting.emplace_back(window, std::move(show));
  return false;
}

void StartFrameGate::exposed(QWidget* window) {
  Gate& g = gate();
  if (g.opened || g.first != window) return;
  // Queued: the frame is painted and sent while the expose is handled.
  QTimer::singleShot(0, window, &StartFrameGate::open);
}

void StartFrameGate::released(QWidget* window) {
  Gate& g = gate();
  if (g.opened) return;
  if (g.first == window) {
    open();
    return;
  }
  std::erase_if(g.waiting, [window](const auto& w) { return w.first == window; });
}

void StartFrameGate::reset() { gate() = Gate{}; }

void StartFrameGate::open() {
  Gate& g = gate();
  if (g.opened) return;
  g.opened = true;
  // A show may show further windows; the list is taken first.
  auto waiting = std::move(g.waiting);
  g.waiting.clear();
  for (auto& [window, show] : waiting)
    if (window) show();
}

}  // namespace cq::ui
