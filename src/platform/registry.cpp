#include "platform/registry.h"

namespace cq {

bool Registry::openKey(const std::string& key, bool canCreate) {
  closeKey();
  bool ok = store_.keyExists(key) || (canCreate && store_.createKey(key));
  if (ok) {
    key_ = key;
    open_ = true;
    readOnly_ = false;
  }
  return ok;
}

bool Registry::openKeyReadOnly(const std::string& key) {
  closeKey();
  if (!store_.keyExists(key)) return false;
  key_ = key;
  open_ = true;
  readOnly_ = true;
  return true;
}

void Registry::closeKey() {
  open_ = false;
  readOnly_ = false;
  key_.clear();
}

std::string Registry::readString(const std::string& name) {
  if (!open_) return {};
  auto value = store_.readValue(key_, name);
  if (!value) return {};
  if (!store_.holdsText(key_, name)) throw RegistryError("Invalid data type for '" + name + "'");
  return *value;
}

bool Registry::valueExists(const std::string& name) {
  return open_ && store_.readValue(key_, name).has_value();
}

RegistryError FailedToSetData(const std::string& name) {
  return RegistryError("Failed to set data for '" + name + "'");
}

bool Registry::tryWriteString(const std::string& name, const std::string& value) {
  return open_ && !readOnly_ && store_.writeValue(key_, name, value);
}

void Registry::writeString(const std::string& name, const std::string& value) {
  if (!tryWriteString(name, value)) throw FailedToSetData(name);
}

}  // namespace cq
