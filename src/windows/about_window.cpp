#include "windows/about_window.h"

#include "windows/main_window_release.h"

namespace cq {

void AboutWindow::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm2.FormCloseQuery", EnableMainWindowOnClose(app_));
  handlers.add("TForm2.Button1Click", NotifyEvent([this](Control* s) { Button1Click(s); }));
}

void AboutWindow::Button1Click(Control*) {
  form_->close();
  EnableMainWindow(app_);
}

}  // namespace cq
