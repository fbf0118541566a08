#include "windows/about_window.h"

#include "windows/main_window_release.h"

namespace cq {

void AboutWindow::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm2.FormCloseQuery", EnableMainWindowOnClose(app_));
  handlers.add("TForm2.Button1Click", this, &AboutWindow::Button1Click);
}

void AboutWindow::Button1Click(Control*) {
  form_->close();
  EnableMainWindow(app_);
}

}  // namespace cq
