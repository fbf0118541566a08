#pragma once
// The settings store over QSettings: the registry of the current user on
// Windows, a text file in the user's configuration folder elsewhere. Every
// key path ("Software\Maker\Program") is a group; every value a string.
#include <QString>
#include <memory>
#include <set>

#include "platform/services.h"

class QSettings;

namespace cq::ui {

class QtSettingsStore : public SettingsStore {
 public:
  // The user's own store.
  QtSettingsStore();
  // A store in one file of the native text format (tests use a temporary
  // folder).
  explicit QtSettingsStore(const QString& filePath);
  ~QtSettingsStore() override;

  bool keyExists(const std::string& key) override;
  bool createKey(const std::string& key) override;
  std::optional<std::string> readValue(const std::string& key, const std::string& name) override;
  bool writeValue(const std::string& key, const std::string& name, const std::string& value) override;
  // The text format holds only text; the registry can hold numbers too.
  bool holdsText(const std::string& key, const std::string& name) override;

  // Where the values live (a file path, or the registry path on Windows).
  QString location() const;

 private:
  std::unique_ptr<QSettings> settings_;
  // Keys created without a value yet: the text format keeps no empty group.
  std::set<std::string> created_;
};

}  // namespace cq::ui
