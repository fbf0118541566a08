#include "app/program.h"

#include "app/calculator_switching.h"
#include "app/frame_commands.h"
#include "app/input_families.h"
#include "app/main_window.h"
#include "app/temperatures.h"
#include "platform/checked_math.h"
#include "platform/errors.h"
#include "platform/form_loader.h"
#include "platform/numbers.h"

namespace cq {

namespace {
// The small windows, in the order they are created after the main window.
constexpr const char* kSmallWindows[] = {"forms/TForm2.json", "forms/TForm4.json", "forms/TForm5.json",
                                         "forms/TForm6.json", "forms/TForm8.json", "forms/TForm9.json"};
}  // namespace

Program::Program(Services services) : app_(services) {}

Program::~Program() { SetMathErrorReporter(nullptr); }

void Program::createWindows() {
  // The framework's number conversion follows the user's decimal separator.
  SetDecimalSeparator(app_.services().locale.decimalSeparator() == "," ? ',' : '.');
  std::string path = app_.services().process.programPath();
  std::string fileName = path.substr(path.find_last_of("/\\") + 1);
  SetMathErrorReporter([this, fileName](const std::string& text) {
    app_.services().dialogs.showMathError(fileName, text);
  });
  // The style's own error dialog reports a failure; the result is not used.
  app_.services().styles.trySetStyle("Charcoal HiRes");
  app_.setTitle("Quillonex PCB Design Cirquet");

  main_ = std::make_unique<MainWindow>(app_);
  main_->addPart<FrameCommands>(app_);
  main_->addPart<InputFamilies>(*main_);
  main_->addPart<Temperatures>(*main_);
  main_->addPart<CalculatorSwitching>(*main_);
  main_->create();

  HandlerRegistry none;
  for (const char* description : kSmallWindows) app_.addForm(LoadForm(app_, description, none));
}

Form& Program::form(const std::string& name) {
  if (Form* f = app_.findForm(name)) return *f;
  throw DescriptionError("no window " + name);
}

void Program::showMainWindow() { main_->form().show(); }

int RunProgram(Services services, const std::function<void(Program&)>& frontEnd) {
  Program program(services);
  try {
    program.createWindows();
    frontEnd(program);
  } catch (const std::exception& e) {
    services.dialogs.showError(e.what());
  } catch (...) {
    // Not a framework error: shown with an empty message.
    services.dialogs.showError("");
  }
  return 0;
}

}  // namespace cq
