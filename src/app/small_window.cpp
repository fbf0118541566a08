#include "app/small_window.h"

#include "platform/form_loader.h"

namespace cq {

Form& SmallWindow::create(Application& app) {
  for (auto& part : parts_) part->registerHandlers(handlers_);
  form_ = &app.addForm(LoadForm(app, description_, handlers_));
  for (auto& part : parts_) part->attach(*form_);
  // Built and attached: the window's own create handler runs now.
  form_->runCreateHandler();
  return *form_;
}

}  // namespace cq
