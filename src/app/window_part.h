#pragma once
// A piece of a window's behaviour: it registers its handlers by name before
// the window is built from its description, then looks up its controls.
#include "platform/form.h"
#include "platform/handlers.h"

namespace cq {

class WindowPart {
 public:
  virtual ~WindowPart() = default;
  virtual void registerHandlers(HandlerRegistry& handlers) = 0;
  // Called once the window exists; look controls up here, once.
  virtual void attach(Form& form) = 0;
};

}  // namespace cq
