#include "platform/resources.h"

#include "platform/errors.h"

namespace cq {

bool hasResource(std::string_view path) {
  for (const auto& [name, data] : embeddedResources())
    if (name == path) return true;
  return false;
}

std::string_view resource(std::string_view path) {
  for (const auto& [name, data] : embeddedResources())
    if (name == path) return data;
  throw DescriptionError("missing resource: " + std::string(path));
}

}  // namespace cq
