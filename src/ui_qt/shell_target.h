#pragma once
// What the shell's default action opens for a target: a web or mail
// address, a document by its path, or a desktop program for the helper
// programs named the Windows way ("calc.exe", "notepad.exe").
#include <QString>
#include <QUrl>
#include <functional>

namespace cq::ui {

struct ShellTarget {
  enum class Kind { None, Url, Program };
  Kind kind = Kind::None;
  QUrl url;
  QString program;
};

// findExecutable gives the full path of a program found on PATH, or empty.
using ExecutableFinder = std::function<QString(const QString& name)>;
QString FindOnPath(const QString& name);

// The folder an installed program keeps its documents in, as an install
// lays it out: <prefix>/share/cirquet for a program in <prefix>/bin.
QString InstalledDocumentFolder(const QString& programFolder);

// A relative document name resolves against workingDir (the current
// directory when it is empty). A document asked for beside the program's
// file (in programFolder) that is not there is taken from the installed
// document folder. A missing document or helper program gives Kind::None,
// so nothing opens.
ShellTarget ResolveShellTarget(const QString& target, const QString& workingDir,
                               const ExecutableFinder& findExecutable = FindOnPath,
                               const QString& programFolder = {});

}  // namespace cq::ui
