#include "support/fake_services.h"

#include <algorithm>

#include "platform/form.h"

namespace cq::test {

void PrintTo(const Message& m, std::ostream* os) {
  static const char* const kinds[] = {"info", "question", "error", "math error"};
  *os << kinds[static_cast<int>(m.kind)] << " \"" << m.text << "\"";
  if (!m.caption.empty()) *os << " (caption \"" << m.caption << "\")";
}

void FakeDialogs::opened() {
  if (whileOpen) {
    auto action = whileOpen;
    action();
  }
}

void FakeDialogs::showInfo(const std::string& text) {
  shown.push_back({Message::Kind::Info, text, {}});
  opened();
}

bool FakeDialogs::askYesNo(const std::string& text, const std::string& caption) {
  shown.push_back({Message::Kind::Question, text, caption});
  opened();
  if (answers.empty()) return false;
  bool a = answers.front();
  answers.pop_front();
  return a;
}

void FakeDialogs::showError(const std::string& message) {
  shown.push_back({Message::Kind::Error, message, {}});
  opened();
}

void FakeDialogs::showMathError(const std::string& title, const std::string& text) {
  shown.push_back({Message::Kind::MathError, text, title});
  opened();
}

bool FakeSettingsStore::keyExists(const std::string& key) { return keys.count(key) != 0; }

bool FakeSettingsStore::createKey(const std::string& key) {
  if (keyExists(key)) return true;
  if (refuseCreate || readOnly) return false;
  keys[key];
  return true;
}

std::optional<std::string> FakeSettingsStore::readValue(const std::string& key, const std::string& name) {
  auto k = keys.find(key);
  if (k == keys.end()) return std::nullopt;
  auto v = k->second.find(name);
  if (v == k->second.end()) return std::nullopt;
  return v->second;
}

bool FakeSettingsStore::writeValue(const std::string& key, const std::string& name, const std::string& value) {
  // A value the store already holds is stored, whether or not the store
  // could take a change.
  const bool refused = readOnly || refusedValues.count(name) || !keys.count(key);
  if (refused && readValue(key, name) != value) return false;
  keys[key][name] = value;
  writes.emplace_back(key, name, value);
  return true;
}

void FakeEventLoop::processMessages() {
  ++messageRounds;
  // Actions may queue more actions; take the due ones first.
  std::vector<std::function<void()>> due;
  for (auto it = pending.begin(); it != pending.end();) {
    if (it->first <= now) {
      due.push_back(std::move(it->second));
      it = pending.erase(it);
    } else {
      ++it;
    }
  }
  for (auto& action : due) action();
}

void FakePrinter::printForm(Form& form) {
  printed.push_back(form.name());
  if (onPrint) onPrint(form);
}

bool FakeStyles::trySetStyle(const std::string& name) {
  requested.push_back(name);
  if (std::find(available.begin(), available.end(), name) == available.end()) return false;
  active = name;
  return true;
}

}  // namespace cq::test
