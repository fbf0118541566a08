#include "windows/references_window.h"

#include "windows/main_window_release.h"

namespace cq {

void ReferencesWindow::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm5.FormCloseQuery", EnableMainWindowOnClose(app_));
  handlers.add("TForm5.Memo1KeyPress", KeyPressEvent(&ReferencesWindow::Memo1KeyPress));
}

void ReferencesWindow::Memo1KeyPress(Control*, char& key) {
  if (key == '\r') key = 0;
}

}  // namespace cq
