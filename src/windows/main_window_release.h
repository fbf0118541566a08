#pragma once
// The windows shown over the disabled main window enable it again however
// they close, their own close button and the close box alike.
#include "platform/application.h"
#include "platform/form.h"

namespace cq {

void EnableMainWindow(Application& app);
// A close query that enables the main window and lets the window close.
CloseQueryEvent EnableMainWindowOnClose(Application& app);

}  // namespace cq
