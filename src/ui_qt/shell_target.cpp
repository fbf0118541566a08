#include "ui_qt/shell_target.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace cq::ui {

namespace {

// Desktop programs standing in for the Windows helpers, the likeliest first.
const QStringList& calculators() {
  static const QStringList list{QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                QStringLiteral("galculator"),       QStringLiteral("qalculate-gtk"),
                                QStringLiteral("mate-calc"),        QStringLiteral("xcalc")};
  return list;
}

const QStringList& textEditors() {
  static const QStringList list{QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"),
                                QStringLiteral("kate"),              QStringLiteral("kwrite"),
                                QStringLiteral("mousepad"),          QStringLiteral("xed"),
                                QStringLiteral("pluma"),             QStringLiteral("featherpad"),
                                QStringLiteral("leafpad")};
  return list;
}

const QStringList* helperPrograms(const QString& target) {
  if (target.compare(QStringLiteral("calc.exe"), Qt::CaseInsensitive) == 0) return &calculators();
  if (target.compare(QStringLiteral("notepad.exe"), Qt::CaseInsensitive) == 0) return &textEditors();
  return nullptr;
}

// "https:", "mailto:" and the like; a drive letter ("C:") is a path.
bool hasScheme(const QString& target) {
  const QUrl url(target);
  return url.isValid() && url.scheme().size() > 1;
}

bool sameFolder(const QString& a, const QString& b) {
  const QString ca = QFileInfo(a).canonicalFilePath();
  return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}  // namespace

QString InstalledDocumentFolder(const QString& programFolder) {
  return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(CIRQUET_DATA_FROM_BIN)));
}

QString FindOnPath(const QString& name) { return QStandardPaths::findExecutable(name); }

ShellTarget ResolveShellTarget(const QString& target, const QString& workingDir, const ExecutableFinder& findExecutable,
                               const QString& programFolder) {
  ShellTarget out;
  const QString t = target.trimmed();
  if (t.isEmpty()) return out;
  if (const QStringList* candidates = helperPrograms(t)) {
    for (const QString& name : *candidates) {
      const QString path = findExecutable(name);
      if (path.isEmpty()) continue;
      out.kind = ShellTarget::Kind::Program;
      out.program = path;
      break;
    }
    return out;
  }
  if (t.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) {
    out.kind = ShellTarget::Kind::Url;
    out.url = QUrl(QStringLiteral("http://") + t);
    return out;
  }
  if (hasScheme(t)) {
    out.kind = ShellTarget::Kind::Url;
    out.url = QUrl(t);
    return out;
  }
  const QDir base(workingDir.isEmpty() ? QDir::currentPath() : workingDir);
  QFileInfo file(base, QDir::fromNativeSeparators(t));
  if (!file.exists() && !programFolder.isEmpty() && sameFolder(file.absolutePath(), programFolder))
    file = QFileInfo(QDir(InstalledDocumentFolder(programFolder)), file.fileName());
  if (!file.exists()) return out;
  out.kind = ShellTarget::Kind::Url;
  out.url = QUrl::fromLocalFile(file.absoluteFilePath());
  return out;
}

}  // namespace cq::ui
