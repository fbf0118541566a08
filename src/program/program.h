#pragma once
// Program entry: creates the seven windows from their descriptions, in
// order, and hands the message loop to the front end.
#include <functional>
#include <memory>
#include <vector>

#include "app/small_window.h"
#include "platform/application.h"
#include "platform/form.h"

namespace cq {

class MainWindow;

// The application's title, which also captions its message boxes.
inline constexpr const char* kApplicationTitle = "Quillonex PCB Design Cirquet";

class Program {
 public:
  explicit Program(Services services);
  ~Program();

  // Entry steps 1 to 4: style "Charcoal HiRes", the title, then Form1,
  // Form2, Form4, Form5, Form6, Form8, Form9.
  void createWindows();

  Application& app() { return app_; }
  MainWindow& mainWindow() { return *main_; }
  Form& form(const std::string& name);
  // Shows the main window; its first showing runs its show handler.
  void showMainWindow();

  // The windows after the main one, in creation order, with their parts.
  const std::vector<std::unique_ptr<SmallWindow>>& smallWindows() const { return smallWindows_; }

 private:
  // The small window built from that description.
  SmallWindow& smallWindow(const std::string& description);

  Application app_;
  std::unique_ptr<MainWindow> main_;
  std::vector<std::unique_ptr<SmallWindow>> smallWindows_;
};

// The whole entry: creates the windows, then hands the program to the front
// end, which attaches its views, calls showMainWindow() and runs the message
// loop until the application is terminated. Returns 0; an error that
// escapes goes to the error box.
int RunProgram(Services services, const std::function<void(Program&)>& frontEnd);

}  // namespace cq
