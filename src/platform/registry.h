#pragma once
// A registry access object over the settings store: open, read, write,
// close, with the framework's failure rules.
#include <string>

#include "platform/errors.h"
#include "platform/services.h"

namespace cq {

// The error of a value the store did not take.
RegistryError FailedToSetData(const std::string& name);

class Registry {
 public:
  explicit Registry(SettingsStore& store) : store_(store) {}
  // Opens key; with canCreate a missing key is created. False on failure.
  bool openKey(const std::string& key, bool canCreate);
  bool openKeyReadOnly(const std::string& key);
  void closeKey();
  bool isOpen() const { return open_; }
  // A missing value (or no open key) reads as the empty text; a value that
  // is not text raises RegistryError "Invalid data type for '<name>'".
  std::string readString(const std::string& name);
  bool valueExists(const std::string& name);
  // Raises RegistryError "Failed to set data for '<name>'" when no key is
  // open for writing or the store refuses the value.
  void writeString(const std::string& name, const std::string& value);
  // The same write, false where writeString raises.
  bool tryWriteString(const std::string& name, const std::string& value);

 private:
  SettingsStore& store_;
  std::string key_;
  bool open_ = false;
  bool readOnly_ = false;
};

}  // namespace cq
