#pragma once
// TForm5, References: a read-only list shown over the disabled main window,
// which every way of closing enables again.
#include "app/window_part.h"
#include "platform/application.h"

namespace cq {

class ReferencesWindow : public WindowPart {
 public:
  explicit ReferencesWindow(Application& app) : app_(app) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form&) override {}

  // Enter is swallowed, so the read-only memo gets no line break from it.
  static void Memo1KeyPress(Control* sender, char& key);

 private:
  Application& app_;
};

}  // namespace cq
