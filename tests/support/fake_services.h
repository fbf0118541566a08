#pragma once
// Recording fakes of the desktop services: no real window, no sleeping,
// no dialog that blocks.
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/services.h"

namespace cq::test {

struct Message {
  enum class Kind { Info, Question, Error, MathError } kind;
  std::string text;
  std::string caption;
  friend bool operator==(const Message&, const Message&) = default;
};
// A failing check shows the box as its kind and texts.
void PrintTo(const Message& m, std::ostream* os);

class FakeDialogs : public Dialogs {
 public:
  void showInfo(const std::string& text) override;
  bool askYesNo(const std::string& text, const std::string& caption) override;
  void showError(const std::string& message) override;
  void showMathError(const std::string& title, const std::string& text) override;

  std::vector<Message> shown;
  // Answers for the next questions; an empty queue answers No.
  std::deque<bool> answers;
  // Runs while each box is open (a timer tick inside a message box).
  std::function<void()> whileOpen;

 private:
  void opened();
};

class FakeSettingsStore : public SettingsStore {
 public:
  bool keyExists(const std::string& key) override;
  bool createKey(const std::string& key) override;
  std::optional<std::string> readValue(const std::string& key, const std::string& name) override;
  bool writeValue(const std::string& key, const std::string& name, const std::string& value) override;

  std::map<std::string, std::map<std::string, std::string>> keys;
  bool refuseCreate = false;
  // Every value refused, as a file or folder the user cannot write.
  bool readOnly = false;
  std::set<std::string> refusedValues;
  // Every write in order: key, name, value.
  std::vector<std::tuple<std::string, std::string, std::string>> writes;
};

class FakeShell : public Shell {
 public:
  void open(const std::string& target, const std::string& workingDir) override { opened.push_back({target, workingDir}); }
  std::vector<std::pair<std::string, std::string>> opened;
};

class FakeLocale : public Locale {
 public:
  std::string decimalSeparator() override { return separator; }
  std::string separator = ".";
};

// Virtual time: sleeping advances it; queued actions run inside the first
// processMessages at or after their time.
class FakeEventLoop : public EventLoop {
 public:
  void sleep(int ms) override { now += ms; ++sleeps; }
  void processMessages() override;
  void at(long long timeMs, std::function<void()> action) { pending.push_back({timeMs, std::move(action)}); }

  long long now = 0;
  int sleeps = 0;
  int messageRounds = 0;
  std::vector<std::pair<long long, std::function<void()>>> pending;
};

class FakeClock : public Clock {
 public:
  std::string timeText() override { return time; }
  std::string dateText() override { return date; }
  std::string time = "10:46:13";
  std::string date = "10/12/2026";
};

class FakePrinter : public Printer {
 public:
  void setupDialog() override { ++setups; }
  void printForm(Form& form) override;
  int setups = 0;
  std::vector<std::string> printed;  // form names
  std::function<void(Form&)> onPrint;
};

class FakeStyles : public Styles {
 public:
  std::vector<std::string> names() override { return available; }
  bool trySetStyle(const std::string& name) override;
  std::string activeStyle() override { return active; }
  std::vector<std::string> available = {"Charcoal Dark Slate", "Charcoal HiRes", "Slate", "Windows", "Windows10"};
  std::string active = "Windows";
  std::vector<std::string> requested;
};

class FakeProcess : public Process {
 public:
  void exit(int status) override { exits.push_back(status); }
  std::string programPath() override { return path; }
  std::string currentDirectory() override { return directory; }
  std::vector<int> exits;
  std::string path = "/opt/cirquet/bin/cirquet";
  std::string directory = "/tmp";
};

// All fakes together, with the Services view the program takes.
struct FakeServices {
  FakeDialogs dialogs;
  FakeSettingsStore settings;
  FakeShell shell;
  FakeLocale locale;
  FakeEventLoop loop;
  FakeClock clock;
  FakePrinter printer;
  FakeStyles styles;
  FakeProcess process;
  Services services() { return {dialogs, settings, shell, locale, loop, clock, printer, styles, process}; }
};

}  // namespace cq::test
