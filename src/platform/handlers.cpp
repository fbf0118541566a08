#include "platform/handlers.h"

namespace cq {

void HandlerRegistry::add(const std::string& name, AnyHandler handler) {
  if (!handlers_.emplace(name, std::move(handler)).second) throw DescriptionError("handler registered twice: " + name);
}

const AnyHandler& HandlerRegistry::get(const std::string& name) const {
  auto it = handlers_.find(name);
  if (it == handlers_.end()) throw DescriptionError("unknown handler: " + name);
  return it->second;
}

}  // namespace cq
