#include "support/scenario.h"

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "platform/control.h"
#include "platform/controls.h"
#include "support/test_program.h"

namespace cq::test {

std::vector<std::string> SplitScenarioLine(const std::string& line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    std::string word;
    if (line[i] == '"') {
      ++i;
      while (i < line.size() && line[i] != '"') {
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        word += line[i++];
      }
      ++i;  // closing quote
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') word += line[i++];
    }
    words.push_back(word);
  }
  return words;
}

namespace {

const char* kindName(Message::Kind k) {
  switch (k) {
    case Message::Kind::Info: return "info";
    case Message::Kind::Question: return "question";
    case Message::Kind::Error: return "error";
    case Message::Kind::MathError: return "matherror";
  }
  return "?";
}

class Runner {
 public:
  ScenarioResult run(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
      ++number;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      auto words = SplitScenarioLine(line);
      if (words.empty() || words[0][0] == '#') continue;
      try {
        step(words);
      } catch (const std::exception& e) {
        fail(number, e.what());
        break;  // later lines depend on this one
      }
      for (auto& f : pendingFailures_) fail(number, f);
      pendingFailures_.clear();
    }
    return result_;
  }

 private:
  void fail(int line, const std::string& what) {
    result_.passed = false;
    result_.failures.push_back("line " + std::to_string(line) + ": " + what);
  }
  void check(bool ok, const std::string& what) {
    if (!ok) pendingFailures_.push_back(what);
  }
  static void need(const std::vector<std::string>& w, size_t n) {
    if (w.size() < n) throw std::runtime_error("too few words for '" + w[0] + "'");
  }
  TestProgram& program() {
    if (!program_) program_ = std::make_unique<TestProgram>(options_);
    return *program_;
  }

  void step(const std::vector<std::string>& w) {
    const std::string& verb = w[0];
    if (verb == "set") {
      need(w, 3);
      if (program_) throw std::runtime_error("'set' must come before the program starts");
      options_.settings[w[1]] = w[2];
    } else if (verb == "settings") {
      need(w, 2);
      if (program_) throw std::runtime_error("'settings' must come before the program starts");
      if (w[1] != "installed") throw std::runtime_error("unknown settings " + w[1]);
      options_.settings = TestProgram::installedSettings();
    } else if (verb == "unset") {
      need(w, 2);
      if (program_) throw std::runtime_error("'unset' must come before the program starts");
      options_.settings.erase(w[1]);
    } else if (verb == "start") {
      if (program_) throw std::runtime_error("the program has already started");
      for (size_t i = 1; i < w.size(); ++i) {
        if (w[i] == "comma") options_.decimalSeparator = ",";
        else if (w[i] == "point") options_.decimalSeparator = ".";
        else throw std::runtime_error("unknown start option " + w[i]);
      }
      program();
    } else if (verb == "menu") {
      need(w, 2);
      program().chooseMenu(w[1]);
    } else if (verb == "tab") {
      need(w, 2);
      program().chooseTab(std::stoi(w[1]));
    } else if (verb == "type") {
      need(w, 3);
      program().type(w[1], w[2]);
    } else if (verb == "enter") {
      need(w, 2);
      program().pressEnter(w[1]);
    } else if (verb == "key") {
      need(w, 3);
      program().pressKey(w[1], w[2].empty() ? '\0' : w[2][0]);
    } else if (verb == "click") {
      need(w, 2);
      program().click(w[1]);
    } else if (verb == "radio") {
      need(w, 3);
      program().selectRadio(w[1], std::stoi(w[2]));
    } else if (verb == "combo") {
      need(w, 3);
      program().selectCombo(w[1], std::stoi(w[2]));
    } else if (verb == "track") {
      need(w, 3);
      program().moveTrackBar(w[1], std::stoi(w[2]));
    } else if (verb == "up" || verb == "down") {
      need(w, 2);
      program().arrow(w[1], verb == "up");
    } else if (verb == "focus") {
      need(w, 2);
      program().focus(w[1]);
    } else if (verb == "close") {
      need(w, 2);
      program().closeWindow(w[1]);
    } else if (verb == "tick") {
      int n = w.size() > 1 ? std::stoi(w[1]) : 1;
      for (int i = 0; i < n; ++i) program().tick();
    } else if (verb == "answer") {
      need(w, 2);
      program().answerNext(w[1] == "yes");
    } else if (verb == "expect") {
      need(w, 2);
      expect(w);
    } else {
      throw std::runtime_error("unknown action '" + verb + "'");
    }
  }

  void expect(const std::vector<std::string>& w) {
    const std::string& what = w[1];
    TestProgram& p = program();
    if (what == "text") {
      need(w, 4);
      std::string actual = p.text(w[2]);
      check(actual == w[3], w[2] + " reads \"" + actual + "\", expected \"" + w[3] + "\"");
    } else if (what == "visible" || what == "hidden") {
      need(w, 3);
      check(p.showing(w[2]) == (what == "visible"), w[2] + " is not " + what);
    } else if (what == "enabled" || what == "disabled") {
      need(w, 3);
      check(p.enabled(w[2]) == (what == "enabled"), w[2] + " is not " + what);
    } else if (what == "color") {
      need(w, 4);
      Color actual = p.fontColor(w[2]);
      check(actual == ParseColor(w[3]), w[2] + " is " + ColorName(actual) + ", expected " + w[3]);
    } else if (what == "items") {
      need(w, 3);
      std::vector<std::string> expected(w.begin() + 3, w.end());
      check(p.items(w[2]) == expected, w[2] + " holds other items");
    } else if (what == "index") {
      need(w, 4);
      int actual = p.itemIndex(w[2]);
      check(actual == std::stoi(w[3]), w[2] + " index is " + std::to_string(actual));
    } else if (what == "info" || what == "error" || what == "question" || what == "matherror") {
      need(w, 3);
      nextMessage(what, w[2]);
    } else if (what == "no-message") {
      auto rest = p.takeMessages();
      rest.insert(rest.begin(), queue_.begin(), queue_.end());
      queue_.clear();
      for (const auto& m : rest) check(false, std::string("unexpected ") + kindName(m.kind) + " \"" + m.text + "\"");
    } else if (what == "panel") {
      need(w, 5);
      auto& bar = dynamic_cast<StatusBar&>(p.control(w[2]));
      size_t index = std::stoul(w[3]);
      std::string actual = index < bar.panels().size() ? bar.panels()[index].text : "<no panel>";
      check(actual == w[4], w[2] + " panel " + w[3] + " reads \"" + actual + "\", expected \"" + w[4] + "\"");
    } else if (what == "solves") {
      need(w, 3);
      int actual = p.takeSolves();
      check(actual == std::stoi(w[2]), std::to_string(actual) + " solves, expected " + w[2]);
    } else if (what == "setting") {
      need(w, 4);
      std::string actual = p.setting(w[2]);
      check(actual == w[3], "setting " + w[2] + " is \"" + actual + "\", expected \"" + w[3] + "\"");
    } else if (what == "printed") {
      need(w, 3);
      check(p.fakes.printer.printed.size() == std::stoul(w[2]),
            "printed " + std::to_string(p.fakes.printer.printed.size()) + " pages");
    } else if (what == "opened") {
      need(w, 3);
      bool found = false;
      for (const auto& o : p.fakes.shell.opened) found = found || o.first == w[2];
      check(found, "\"" + w[2] + "\" was not opened");
    } else if (what == "exit") {
      need(w, 3);
      check(!p.fakes.process.exits.empty() && p.fakes.process.exits.back() == std::stoi(w[2]),
            "the program did not exit with " + w[2]);
    } else {
      throw std::runtime_error("unknown expectation '" + what + "'");
    }
  }

  void nextMessage(const std::string& kind, const std::string& text) {
    if (queue_.empty()) {
      auto more = program().takeMessages();
      queue_.insert(queue_.end(), more.begin(), more.end());
    }
    if (queue_.empty()) {
      check(false, "no " + kind + " \"" + text + "\" was shown");
      return;
    }
    Message m = queue_.front();
    queue_.erase(queue_.begin());
    check(kindName(m.kind) == kind && m.text == text,
          std::string("next message is ") + kindName(m.kind) + " \"" + m.text + "\", expected " + kind + " \"" + text + "\"");
  }

  StartOptions options_;
  std::unique_ptr<TestProgram> program_;
  std::vector<Message> queue_;
  std::vector<std::string> pendingFailures_;
  ScenarioResult result_;
};

}  // namespace

ScenarioResult RunScenario(const std::string& text) { return Runner().run(text); }

ScenarioResult RunScenarioFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) return {false, {"cannot read " + path}};
  std::stringstream buffer;
  buffer << in.rdbuf();
  return RunScenario(buffer.str());
}

}  // namespace cq::test
