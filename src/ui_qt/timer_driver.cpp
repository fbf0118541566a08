#include "ui_qt/timer_driver.h"

#include <QTimer>
#include <algorithm>

namespace cq::ui {

TimerDriver::TimerDriver(const std::vector<Form*>& forms) : forms_(forms) {
  for (Form* form : forms_) {
    for (Control* c : form->allControls())
      if (auto* timer = dynamic_cast<Timer*>(c)) {
        auto* q = new QTimer(this);
        connect(q, &QTimer::timeout, this, [this, timer] { tick(*timer); });
        timers_[timer] = q;
        sync(*timer);
      }
    form->addObserver(this);
  }
}

TimerDriver::~TimerDriver() {
  for (Form* form : forms_) form->removeObserver(this);
}

QTimer* TimerDriver::qtTimerOf(const Timer& timer) const {
  auto it = timers_.find(&timer);
  return it == timers_.end() ? nullptr : it->second;
}

void TimerDriver::propertyChanged(Control& control, Prop prop) {
  if (prop != Prop::Enabled && prop != Prop::Other) return;
  if (auto* timer = dynamic_cast<Timer*>(&control); timer && timers_.count(timer)) sync(*timer);
}

void TimerDriver::sync(Timer& timer) {
  QTimer* q = timers_.at(&timer);
  const int interval = std::max(1, timer.interval());
  if (!timer.timerEnabled() || timer.interval() <= 0) {
    q->stop();
  } else if (!q->isActive() || q->interval() != interval) {
    q->start(interval);
  }
}

void TimerDriver::tick(Timer& timer) {
  // A box opened by this timer's own handler must not stack up further
  // ticks of the same handler underneath it.
  bool& running = ticking_[&timer];
  if (running) return;
  running = true;
  timer.tick();
  running = false;
}

}  // namespace cq::ui
