#include "app/input_families.h"

#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "platform/resources.h"

namespace cq {

namespace {
bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

void InputFamilies::registerHandlers(HandlerRegistry& handlers) {
  // Every member of a family does the same thing; the names come from the
  // same table that binds them, so the two never drift apart.
  const auto table = nlohmann::json::parse(resource("forms/main/input_families.json"));
  std::set<std::string> names;
  for (const auto& [control, events] : table.at("bindings").items())
    for (const auto& [event, handler] : events.items()) names.insert(handler.get<std::string>());

  for (const std::string& name : names) {
    if (endsWith(name, "KeyDown")) {
      handlers.add(name, KeyEvent([this](Control* sender, int& key, ShiftState) {
                     if (key == kKeyEnter) main_.solve(sender);
                   }));
    } else if (endsWith(name, "KeyPress")) {
      handlers.add(name, KeyPressEvent([](Control*, char& key) {
                     if (key == '\r') key = 0;
                   }));
    } else if (endsWith(name, "Changing")) {
      // Runs before the step, so this solve reads the old value.
      handlers.add(name, UpDownChangingEvent([this](Control* sender, bool&) { main_.solve(sender); }));
    } else if (endsWith(name, "Click")) {
      handlers.add(name, UpDownClickEvent([this](Control* sender, UpDownButton) { main_.solve(sender); }));
    }
  }
}

}  // namespace cq
