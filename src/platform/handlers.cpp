#include "platform/handlers.h"

namespace cq {

void HandlerRegistry::add(const std::string& name, AnyHandler handler) {
  if (!handlers_.emplace(name, std::move(handler)).second) throw DescriptionError("handler registered twice: " + name);
}

const AnyHandler& HandlerRegistry::get(const std::string& name) const {
  auto it = handlers_.find(name);
  if (it == handlers_.end()) throw DescriptionError("unknown handler: " + name);
  used_.insert(name);
  return it->second;
}

std::vector<std::string> HandlerRegistry::unusedNames() const {
  std::vector<std::string> unused;
  for (const auto& [name, handler] : handlers_)
    if (!used_.count(name)) unused.push_back(name);
  return unused;
}

}  // namespace cq
