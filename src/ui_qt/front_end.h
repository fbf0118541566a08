#pragma once
// The Qt side of a running program: a window view per form, the model's
// timers on QTimers, and the message loop until the application ends.
#include <memory>
#include <string>
#include <vector>

#include "program/program.h"

namespace cq::ui {

class FormView;
class TimerDriver;

class FrontEnd {
 public:
  // Attaches a view to every window the program has created.
  explicit FrontEnd(Program& program);
  ~FrontEnd();
  FrontEnd(const FrontEnd&) = delete;
  FrontEnd& operator=(const FrontEnd&) = delete;

  // Shows the main window (its first showing runs its show handler) and
  // runs the message loop until the application is terminated, which
  // closing the main window does.
  void run();

  FormView* view(const std::string& formName) const;
  const std::vector<std::unique_ptr<FormView>>& views() const { return views_; }
  TimerDriver& timers() const { return *timers_; }

 private:
  Program& program_;
  std::vector<std::unique_ptr<FormView>> views_;
  std::unique_ptr<TimerDriver> timers_;
};

}  // namespace cq::ui
