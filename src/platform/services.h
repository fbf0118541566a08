#pragma once
// What the program needs of the desktop, as small interfaces. The Qt front
// end implements them for real; the tests use recording fakes.
#include <optional>
#include <string>
#include <vector>

namespace cq {

class Form;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Modal box, one OK button, no icon.
  virtual void showInfo(const std::string& text) = 0;
  // Modal Yes/No question, no icon; true for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
  // The application's error box for an error that ended an event.
  virtual void showError(const std::string& message) = 0;
  // The runtime's maths-error box: error icon, titled with the program's
  // file name.
  virtual void showMathError(const std::string& title, const std::string& text) = 0;
};

// Registry-like store of string values under key paths.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual bool keyExists(const std::string& key) = 0;
  // Creates the key if needed; false when that is not possible.
  virtual bool createKey(const std::string& key) = 0;
  virtual std::optional<std::string> readValue(const std::string& key, const std::string& name) = 0;
  virtual bool writeValue(const std::string& key, const std::string& name, const std::string& value) = 0;
  // Whether a stored value is text. A value of another kind (a number put
  // there by hand or by another program) cannot be read as a string.
  virtual bool holdsText(const std::string& /*key*/, const std::string& /*name*/) { return true; }
};

// Opens addresses, documents and programs with their default action.
class Shell {
 public:
  virtual ~Shell() = default;
  // workingDir empty: none given. Failures are silent.
  virtual void open(const std::string& target, const std::string& workingDir = {}) = 0;
};

class Locale {
 public:
  virtual ~Locale() = default;
  // The user's decimal separator, as the locale states it.
  virtual std::string decimalSeparator() = 0;
};

class EventLoop {
 public:
  virtual ~EventLoop() = default;
  virtual void sleep(int ms) = 0;
  // Lets pending window messages run (user input, timer ticks).
  virtual void processMessages() = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::string timeText() = 0;  // the locale's long time format
  virtual std::string dateText() = 0;  // the locale's short date format
};

class Printer {
 public:
  virtual ~Printer() = default;
  // The printer-setup dialog; its choice is used by the next print.
  virtual void setupDialog() = 0;
  // One page with an image of the window's client area, scaled.
  virtual void printForm(Form& form) = 0;
};

class Styles {
 public:
  virtual ~Styles() = default;
  virtual std::vector<std::string> names() = 0;
  virtual bool trySetStyle(const std::string& name) = 0;
  virtual std::string activeStyle() = 0;
};

class Process {
 public:
  virtual ~Process() = default;
  // Ends the process at once with this status (fakes record it).
  virtual void exit(int status) = 0;
  // Full path of the program's file.
  virtual std::string programPath() = 0;
  virtual std::string currentDirectory() = 0;
};

struct Services {
  Dialogs& dialogs;
  SettingsStore& settings;
  Shell& shell;
  Locale& locale;
  EventLoop& loop;
  Clock& clock;
  Printer& printer;
  Styles& styles;
  Process& process;
};

}  // namespace cq
