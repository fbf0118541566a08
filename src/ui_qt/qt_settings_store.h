#pragma once
// The settings store over QSettings: the registry of the current user on
// Windows, a text file in the user's configuration folder elsewhere. On
// Windows every key path ("Software\Maker\Program") is a registry key; in a
// text file the file itself is the program's key, so its values sit in the
// general section under their plain names ("Units=0"), and any other key
// is a group. Every value is a string.
#include <QString>
#include <memory>
#include <set>
#include <string>

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
  // Where a file that could not be read whole is kept before it is
  // rewritten ("Cirquet.conf.bad" beside it).
  QString damagedCopyLocation() const;

 private:
  QtSettingsStore(std::unique_ptr<QSettings> settings, std::string fileKey);
  QString groupOf(const std::string& key) const;
  QString pathOf(const std::string& key, const std::string& name) const;
  bool isAboveFileKey(const std::string& key) const;
  bool keepDamagedCopy();
  void moveOldLayout();
  // The value is in the file as text already: writing it would change nothing.
  bool holds(const QString& path, const QString& text);
  bool landed(const QString& path, const QString& value);

  std::unique_ptr<QSettings> settings_;
  // The key the file itself stands for; empty for the registry.
  std::string fileKey_;
  // Keys created without a value yet: the text format keeps no empty group.
  std::set<std::string> created_;
  // The file loaded with a format error and has not been rewritten since.
  bool damaged_ = false;
  bool damagedCopyKept_ = false;
};

}  // namespace cq::ui
