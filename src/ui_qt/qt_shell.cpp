#include "ui_qt/qt_shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>

#include "ui_qt/shell_target.h"

namespace cq::ui {

void QtShell::open(const std::string& target, const std::string& workingDir) {
  const QString dir = QString::fromStdString(workingDir);
  const ShellTarget resolved =
      ResolveShellTarget(QString::fromStdString(target), dir, FindOnPath, QCoreApplication::applicationDirPath());
  // The result is ignored, as the shell's is: a failure opens nothing.
  switch (resolved.kind) {
    case ShellTarget::Kind::Url: QDesktopServices::openUrl(resolved.url); break;
    case ShellTarget::Kind::Program: QProcess::startDetached(resolved.program, {}, dir); break;
    case ShellTarget::Kind::None: break;
  }
}

}  // namespace cq::ui
