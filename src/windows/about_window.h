#pragma once
// TForm2, About: shown over the disabled main window; "Close" and the close
// box both enable it again. Its links are the window's link controls.
#include "app/window_part.h"
#include "platform/application.h"

namespace cq {

class AboutWindow : public WindowPart {
 public:
  explicit AboutWindow(Application& app) : app_(app) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override { form_ = &form; }

  void Button1Click(Control* sender);  // "Close"

 private:
  Application& app_;
  Form* form_ = nullptr;
};

}  // namespace cq
