#pragma once
// The application object: services, the windows, and the event boundary
// where an error ends the event and reaches the error box.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/services.h"

namespace cq {

class Form;

class Application {
 public:
  explicit Application(Services services);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Services& services() { return services_; }
  Dialogs& dialogs() { return services_.dialogs; }

  const std::string& title() const { return title_; }
  void setTitle(std::string t) { title_ = std::move(t); }

  // Runs fn as one event: a framework error (or any standard exception
  // other than a description fault) ends it and is shown in the error box.
  // Nested boundaries are allowed (a timer tick inside a message box).
  void runEvent(const std::function<void()>& fn);

  // Windows, in creation order; the first is the main window.
  Form& addForm(std::unique_ptr<Form> form);
  const std::vector<std::unique_ptr<Form>>& forms() const { return forms_; }
  Form* mainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }
  Form* findForm(const std::string& name) const;
  // The window of that name; a missing one is a description fault.
  Form& form(const std::string& name) const;

  // The message loop ends when the main window closes.
  bool terminated() const { return terminated_; }
  void terminate() { terminated_ = true; }

 private:
  Services services_;
  std::string title_;
  std::vector<std::unique_ptr<Form>> forms_;
  bool terminated_ = false;
};

}  // namespace cq
