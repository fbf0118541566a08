#include "ui_qt/qt_settings_store.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

#include "app/settings_key.h"

namespace cq::ui {

namespace {

QString groupPath(std::string_view key) {
  QString g = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
  g.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return g;
}

// A text file edited by hand may hold an unquoted "a,b", which the text
// format reads as a list: the stored text is the whole line.
QVariant wholeText(const QVariant& v) {
  return v.typeId() == QMetaType::QStringList ? QVariant(v.toStringList().join(QLatin1Char(','))) : v;
}

// QSettings reads each section when it is first used: a format error shows
// only once the whole file has been read.
QSettings::Status statusOfWholeFile(QSettings& settings) {
  settings.allKeys();
  return settings.status();
}

bool isPrintable(const QString& text) {
  return std::all_of(text.begin(), text.end(),
                     [](QChar c) { return c.isPrint() && c != QChar::ReplacementCharacter; });
}

std::unique_ptr<QSettings> userSettings() {
#ifdef Q_OS_WIN
  // Key paths are full registry paths under the current user.
  return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
#else
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QStringLiteral("Quillonex PCB Design, Inc."), QStringLiteral("Cirquet"));
#endif
}

std::string userFileKey() {
#ifdef Q_OS_WIN
  return {};
#else
  return kSettingsKey;
#endif
}

}  // namespace

QtSettingsStore::QtSettingsStore() : QtSettingsStore(userSettings(), userFileKey()) {}

QtSettingsStore::QtSettingsStore(const QString& filePath)
    : QtSettingsStore(std::make_unique<QSettings>(filePath, QSettings::IniFormat), kSettingsKey) {}

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> settings, std::string fileKey)
    : settings_(std::move(settings)), fileKey_(std::move(fileKey)) {
  damaged_ = statusOfWholeFile(*settings_) == QSettings::FormatError;
  moveOldLayout();
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::location() const { return settings_->fileName(); }

QString QtSettingsStore::damagedCopyLocation() const { return settings_->fileName() + QStringLiteral(".bad"); }

QString QtSettingsStore::groupOf(const std::string& key) const {
  std::string_view k = key;
  if (!fileKey_.empty()) {
    if (k == fileKey_) return {};
    if (k.size() > fileKey_.size() && k.starts_with(fileKey_) && k[fileKey_.size()] == '\\')
      k.remove_prefix(fileKey_.size() + 1);
  }
  return groupPath(k);
}

QString QtSettingsStore::pathOf(const std::string& key, const std::string& name) const {
  const QString group = groupOf(key);
  const QString plain = QString::fromStdString(name);
  return group.isEmpty() ? plain : group + QLatin1Char('/') + plain;
}

bool QtSettingsStore::isAboveFileKey(const std::string& key) const {
  return fileKey_.size() > key.size() && fileKey_.starts_with(key) && fileKey_[key.size()] == '\\';
}

bool QtSettingsStore::keyExists(const std::string& key) {
  if (created_.count(key)) return true;
  // The keys above the file's own exist with it.
  if (isAboveFileKey(key)) return keyExists(fileKey_);
  const QString group = groupOf(key);
  // Only the general section's values make the file's key: other keys are
  // groups of their own.
  if (group.isEmpty()) {
    // Random bytes in a damaged file read as values too, but their names
    // and texts hold control characters and broken UTF-8: only a value that
    // someone could have written makes the key, so the first start installs
    // the settings over junk.
    const QStringList names = settings_->childKeys();
    return std::any_of(names.begin(), names.end(), [this](const QString& name) {
      return isPrintable(name) && isPrintable(wholeText(settings_->value(name)).toString());
    });
  }
  settings_->beginGroup(group);
  const bool exists = !settings_->allKeys().isEmpty();
  settings_->endGroup();
  return exists;
}

bool QtSettingsStore::createKey(const std::string& key) {
  if (keyExists(key)) return true;
  if (!settings_->isWritable()) return false;
  created_.insert(key);
  return true;
}

std::optional<std::string> QtSettingsStore::readValue(const std::string& key, const std::string& name) {
  const QString path = pathOf(key, name);
  if (!settings_->contains(path)) return std::nullopt;
  return wholeText(settings_->value(path)).toString().toStdString();
}

bool QtSettingsStore::holdsText(const std::string& key, const std::string& name) {
  const QVariant v = settings_->value(pathOf(key, name));
  return !v.isValid() || v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QStringList;
}

bool QtSettingsStore::writeValue(const std::string& key, const std::string& name, const std::string& value) {
  if (!keyExists(key)) return false;
  const QString path = pathOf(key, name);
  const QString text = QString::fromStdString(value);
  // Every start writes back values it has just read (the loader's radios and
  // lists run their handlers). A value the file holds is stored already, so
  // it is not written again, and it is no failure where the file cannot be
  // written (read-only, in a read-only folder, on a full disk). A damaged
  // file is rewritten where it can be.
  const bool held = holds(path, text);
  if (held && !damaged_) return true;
  if (!settings_->isWritable() || !keepDamagedCopy()) return held;
  settings_->setValue(path, text);
  return landed(path, text) || held;
}

bool QtSettingsStore::holds(const QString& path, const QString& text) {
  // A file another program changed since it was read is read again first.
  settings_->sync();
  const QVariant stored = settings_->value(path);
  return stored.typeId() == QMetaType::QString && stored.toString() == text;
}

bool QtSettingsStore::keepDamagedCopy() {
  // QSettings rewrites the whole file and drops the lines it could not
  // read: the user's file is kept as it was before the first write.
  if (!damaged_ || damagedCopyKept_) return true;
  const QString copy = damagedCopyLocation();
  QFile::remove(copy);
  damagedCopyKept_ = QFile::copy(settings_->fileName(), copy);
  return damagedCopyKept_;
}

bool QtSettingsStore::landed(const QString& path, const QString& value) {
  // Written at once: a crash or a hard exit loses nothing.
  settings_->sync();
  if (settings_->status() == QSettings::NoError) return true;
  // status() keeps the first error since the file was loaded, so a format
  // error of the load hides whether this write reached the file. A fresh
  // reading of the file tells; it also starts with a clean status when the
  // write replaced the damaged file.
  settings_ = std::make_unique<QSettings>(settings_->fileName(), settings_->format());
  const bool ok = statusOfWholeFile(*settings_) == QSettings::NoError && settings_->value(path) == value;
  if (ok) damaged_ = false;
  return ok;
}

void QtSettingsStore::moveOldLayout() {
  // Earlier builds repeated the key path in every line ("[Software]" and a
  // percent-encoded path): their values move to the plain names.
  if (fileKey_.empty() || !settings_->childKeys().isEmpty()) return;
  const QString old = groupPath(fileKey_);
  std::vector<std::pair<QString, QVariant>> values;
  settings_->beginGroup(old);
  for (const QString& name : settings_->childKeys()) values.emplace_back(name, wholeText(settings_->value(name)));
  settings_->endGroup();
  if (values.empty() || !keepDamagedCopy()) return;
  for (const auto& [name, value] : values) settings_->setValue(name, value);
  settings_->remove(old);
  settings_->sync();
}

}  // namespace cq::ui
