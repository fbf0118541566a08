#pragma once
// The links of one window: binds the click of each link control to the
// link handler. The window has no other behaviour for them.
#include <string>

#include "app/link_handler.h"
#include "app/window_part.h"

namespace cq {

class WindowLinks : public WindowPart {
 public:
  WindowLinks(Application& app, std::string windowClass) : opener_(app), windowClass_(std::move(windowClass)) {}
  void registerHandlers(HandlerRegistry& handlers) override { RegisterLinks(handlers, opener_, windowClass_); }
  void attach(Form&) override {}

 private:
  LinkHandler opener_;
  std::string windowClass_;
};

}  // namespace cq
