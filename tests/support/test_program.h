#pragma once
// The headless program with fake services, driven as a user would drive it.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "program/program.h"
#include "platform/form.h"
#include "support/fake_services.h"

namespace cq::test {

struct StartOptions {
  std::string decimalSeparator = ".";
  // Stored settings under the program's key; empty map: no key at all, so
  // the first start installs the settings script's values.
  std::map<std::string, std::string> settings;
  // The settings store cannot create a key (a locked-down profile).
  bool storeRefusesNewKeys = false;
  // The stored settings cannot be changed (a read-only file or folder).
  bool readOnlyStore = false;
  // false: the windows are created but start-up (the loader, the splash and
  // its final solve) waits for showMainWindow().
  bool showMainWindow = true;  // The process's current directory as the program sees it at start; empty:
  // the fake's own.
  std::string currentDirectory;
};

// What start-up took, counted on the fakes.
struct StartUpFigures {
  int solves = 0;
  int sleeps = 0;
  long long timeMs = 0;
};

class TestProgram {
 public:
  explicit TestProgram(StartOptions options = {});
  ~TestProgram();

  FakeServices fakes;
  Program& program() { return *program_; }
  MainWindow& main() { return program_->mainWindow(); }
  Form& form(const std::string& name = "Form1") { return program_->form(name); }
  // Finds a control by "Name" on the main window or "Form6.Name" elsewhere.
  Control& control(const std::string& path);

  // Runs start-up: the main window's first showing runs the loader and the
  // splash. Afterwards the solve count and the fake loop's clock and sleeps
  // start from zero, so what a test counts is its own; startUp() keeps what
  // start-up took.
  void showMainWindow();
  const StartUpFigures& startUp() const { return startUp_; }
  // The settings script's fourteen values, as StartOptions::settings.
  static std::map<std::string, std::string> installedSettings();

  // User actions.
  void chooseMenu(const std::string& item);
  void chooseTab(int index);
  void type(const std::string& field, const std::string& text);
  void pressEnter(const std::string& field);
  void pressKey(const std::string& field, char ch);
  void click(const std::string& name);
  void selectRadio(const std::string& name, int index);
  void selectCombo(const std::string& name, int index);
  void moveTrackBar(const std::string& name, int position);
  void arrow(const std::string& upDown, bool up);
  // A click on an item of a button group, and dragging an item onto the
  // place of another.
  void clickItem(const std::string& group, int index);
  void dragItem(const std::string& group, int from, int to);
  void focus(const std::string& name);
  void closeWindow(const std::string& form);
  void tick();
  void answerNext(bool yes) { fakes.dialogs.answers.push_back(yes); }

  // What the user sees.
  std::string text(const std::string& name);  // edit text or caption
  bool showing(const std::string& name);
  bool enabled(const std::string& name);
  Color fontColor(const std::string& name);
  std::vector<std::string> items(const std::string& radioComboOrButtonGroup);
  int itemIndex(const std::string& radioOrCombo);
  const std::vector<Message>& messages() { return fakes.dialogs.shown; }
  // Messages since the last call.
  std::vector<Message> takeMessages();
  std::string setting(const std::string& name);
  // Solve operations run since the last call (nested ones included).
  int takeSolves();

  static const char* settingsKey();

 private:
  std::unique_ptr<Program> program_;
  size_t taken_ = 0;
  int solves_ = 0;
  StartUpFigures startUp_;
};

}  // namespace cq::test
