#pragma once
// Sleeping and letting pending events run, on the one user-interface thread.
#include "platform/services.h"

namespace cq::ui {

class QtEventLoop : public EventLoop {
 public:
  void sleep(int ms) override;
  void processMessages() override;
};

}  // namespace cq::ui
