#include "platform/application.h"

#include "platform/errors.h"
#include "platform/form.h"

namespace cq {

Application::Application(Services services) : services_(services) {}

Application::~Application() {
  // Windows go in reverse order of creation.
  while (!forms_.empty()) forms_.pop_back();
}

void Application::runEvent(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const DescriptionError&) {
    throw;
  } catch (const std::exception& e) {
    services_.dialogs.showError(ErrorMessage(e));
  }
}

Form& Application::addForm(std::unique_ptr<Form> form) {
  forms_.push_back(std::move(form));
  return *forms_.back();
}

Form* Application::findForm(const std::string& name) const {
  for (const auto& f : forms_)
    if (f->name() == name) return f.get();
  return nullptr;
}

Form& Application::form(const std::string& name) const {
  if (Form* f = findForm(name)) return *f;
  throw DescriptionError("no window " + name);
}

}  // namespace cq
