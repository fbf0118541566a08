#include "windows/main_window_release.h"

namespace cq {

void EnableMainWindow(Application& app) {
  if (Form* main = app.mainForm()) main->setEnabled(true);
}

CloseQueryEvent EnableMainWindowOnClose(Application& app) {
  return [&app](Form*, bool& canClose) {
    EnableMainWindow(app);
    canClose = true;
  };
}

}  // namespace cq
