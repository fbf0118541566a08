#pragma once
// A window other than the main one (TForm2 .. TForm9): its parts register
// their handlers, the window is built from its description, then the parts
// attach to it.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/window_part.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/handlers.h"

namespace cq {

class SmallWindow {
 public:
  explicit SmallWindow(std::string description) : description_(std::move(description)) {}

  // Adds a part before create(); the window owns it.
  template <typename T, typename... Args>
  T& addPart(Args&&... args) {
    auto part = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *part;
    parts_.push_back(std::move(part));
    return ref;
  }

  Form& create(Application& app);

  const std::string& description() const { return description_; }
  const HandlerRegistry& handlers() const { return handlers_; }
  Form& form() const { return *form_; }

 private:
  std::string description_;
  HandlerRegistry handlers_;
  std::vector<std::unique_ptr<WindowPart>> parts_;
  Form* form_ = nullptr;
};

}  // namespace cq
