#include "ui_qt/qt_settings_store.h"

#include <QSettings>
#include <QStringList>

namespace cq::ui {

namespace {

QString groupOf(const std::string& key) {
  QString g = QString::fromStdString(key);
  g.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return g;
}

QString pathOf(const std::string& key, const std::string& name) {
  return groupOf(key) + QLatin1Char('/') + QString::fromStdString(name);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
#ifdef Q_OS_WIN
    // Key paths are full registry paths under the current user.
    : settings_(std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat)) {
#else
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Quillonex PCB Design, Inc."), QStringLiteral("Cirquet"))) {
#endif
}

QtSettingsStore::QtSettingsStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::location() const { return settings_->fileName(); }

bool QtSettingsStore::keyExists(const std::string& key) {
  if (created_.count(key)) return true;
  settings_->beginGroup(groupOf(key));
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
  const QVariant v = settings_->value(path);
  // A text file edited by hand may hold an unquoted "a,b", which the text
  // format reads as a list: the stored text is the whole line.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
  return v.toString().toStdString();
}

bool QtSettingsStore::holdsText(const std::string& key, const std::string& name) {
  const QVariant v = settings_->value(pathOf(key, name));
  return !v.isValid() || v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QStringList;
}

bool QtSettingsStore::writeValue(const std::string& key, const std::string& name, const std::string& value) {
  if (!keyExists(key) || !settings_->isWritable()) return false;
  settings_->setValue(pathOf(key, name), QString::fromStdString(value));
  // Written at once: a crash or a hard exit loses nothing.
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace cq::ui
