#pragma once
// The main window's openers of the Program Options window and of the
// settings-script installer. Neither window is modal; the Tools menu
// disables the main window while Program Options is open, and that window
// enables it again however it closes. The Conductor Properties options
// button leaves the main window usable.
#include "app/window_part.h"
#include "platform/form.h"

namespace cq {

class SettingsWindowOpeners : public WindowPart {
 public:
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override { main_ = &form; }
  // The two windows are built after the main window; the program binds them
  // once they exist.
  void bindWindows(Form& programOptions, Form& installer);

  void CopperWeight1Click(Control* sender);          // Tools "&Program Options"
  void ReinstallRegistryKeys1Click(Control* sender);  // Help "Re&install Registry Keys"
  void Label301Click(Control* sender);                // "Registry Error!"
  void BitBtn2Click(Control* sender);                 // Conductor Properties options button

 private:
  Form* main_ = nullptr;
  Form* programOptions_ = nullptr;
  Form* installer_ = nullptr;
};

}  // namespace cq
