#pragma once
// Drives the model's timers with QTimers on the user-interface thread, so a
// tick also arrives inside a modal box or the splash's message rounds.
#include <QObject>
#include <unordered_map>
#include <vector>

#include "platform/form.h"

class QTimer;

namespace cq::ui {

class TimerDriver : public QObject, public ControlObserver {
 public:
  // Every timer of the forms runs from now on while it is enabled.
  explicit TimerDriver(const std::vector<Form*>& forms);
  ~TimerDriver() override;

  void propertyChanged(Control& control, Prop prop) override;
  // The QTimer of a model timer (null when there is none).
  QTimer* qtTimerOf(const Timer& timer) const;

 private:
  void sync(Timer& timer);
  void tick(Timer& timer);

  std::vector<Form*> forms_;
  std::unordered_map<const Timer*, QTimer*> timers_;
  std::unordered_map<const Timer*, bool> ticking_;
};

}  // namespace cq::ui
