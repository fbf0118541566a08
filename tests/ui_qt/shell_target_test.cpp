#include "ui_qt/shell_target.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace cq::ui {
namespace {

using Kind = ShellTarget::Kind;

// A PATH that holds only the given programs, in /usr/bin.
ExecutableFinder pathWith(QStringList programs) {
  return [programs](const QString& name) { return programs.contains(name) ? "/usr/bin/" + name : QString(); };
}

TEST(ShellTarget, AddressesOpenAsTheyAre) {
  struct Row {
    QString target;
    QString url;
  };
  for (const Row& row : {Row{"https://www.quillonex.example/help", "https://www.quillonex.example/help"},
                         Row{"http://example.com/a?b=c", "http://example.com/a?b=c"},
                         Row{"mailto:support@quillonex.example?subject=Cirquet",
                             "mailto:support@quillonex.example?subject=Cirquet"},
                         Row{"www.quillonex.example", "http://www.quillonex.example"},
                         Row{"  https://example.com  ", "https://example.com"}}) {
    const ShellTarget t = ResolveShellTarget(row.target, {}, pathWith({}));
    EXPECT_EQ(t.kind, Kind::Url) << row.target.toStdString();
    EXPECT_EQ(t.url.toString(), row.url) << row.target.toStdString();
  }
}

TEST(ShellTarget, WindowsHelperProgramsMapToTheDesktopsOwn) {
  struct Row {
    QString target;
    QStringList onPath;
    Kind kind;
    QString program;
  };
  for (const Row& row : {
           Row{"calc.exe", {"xcalc", "gnome-calculator"}, Kind::Program, "/usr/bin/gnome-calculator"},
           Row{"CALC.EXE", {"kcalc"}, Kind::Program, "/usr/bin/kcalc"},
           Row{"calc.exe", {"xcalc"}, Kind::Program, "/usr/bin/xcalc"},
           Row{"notepad.exe", {"mousepad", "gedit"}, Kind::Program, "/usr/bin/gedit"},
           Row{"notepad.exe", {"leafpad"}, Kind::Program, "/usr/bin/leafpad"},
           // Nothing on the machine: nothing opens, and no error either.
           Row{"calc.exe", {}, Kind::None, ""},
           Row{"notepad.exe", {"gnome-calculator"}, Kind::None, ""},
       }) {
    const ShellTarget t = ResolveShellTarget(row.target, {}, pathWith(row.onPath));
    EXPECT_EQ(t.kind, row.kind) << row.target.toStdString();
    EXPECT_EQ(t.program, row.program) << row.target.toStdString();
  }
}

TEST(ShellTarget, DocumentsResolveAgainstTheWorkingFolder) {
  QTemporaryDir dir;
  QFile eula(dir.filePath("EULA.pdf"));
  ASSERT_TRUE(eula.open(QIODevice::WriteOnly));
  eula.close();

  const ShellTarget relative = ResolveShellTarget("EULA.pdf", dir.path(), pathWith({}));
  EXPECT_EQ(relative.kind, Kind::Url);
  EXPECT_EQ(relative.url, QUrl::fromLocalFile(dir.filePath("EULA.pdf")));

  const ShellTarget absolute = ResolveShellTarget(dir.filePath("EULA.pdf"), "/somewhere/else", pathWith({}));
  EXPECT_EQ(absolute.url, QUrl::fromLocalFile(dir.filePath("EULA.pdf")));

  // A document that is not there opens nothing.
  EXPECT_EQ(ResolveShellTarget("Missing.pdf", dir.path(), pathWith({})).kind, Kind::None);
  EXPECT_EQ(ResolveShellTarget("", dir.path(), pathWith({})).kind, Kind::None);
}

// An installed program keeps its documents in the data folder
// (<prefix>/share/cirquet), not beside its file in <prefix>/bin.
TEST(ShellTarget, ProgramDocumentsMissingBesideTheProgramComeFromTheInstalledFolder) {
  QTemporaryDir prefix;
  const QString bin = prefix.filePath("bin");
  const QString data = QDir(bin).filePath(CIRQUET_DATA_FROM_BIN);
  ASSERT_TRUE(QDir().mkpath(bin));
  ASSERT_TRUE(QDir().mkpath(data));
  EXPECT_EQ(QDir::cleanPath(data), prefix.filePath("share/cirquet"));
  EXPECT_EQ(InstalledDocumentFolder(bin + "/"), prefix.filePath("share/cirquet"));
  auto put = [](const QString& path) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
  };
  ASSERT_TRUE(put(QDir(data).filePath("EULA.pdf")));
  const QUrl installed = QUrl::fromLocalFile(QDir::cleanPath(QDir(data).filePath("EULA.pdf")));

  struct Row {
    QString target, workingDir, programFolder;
    Kind kind;
    QUrl url;
  };
  for (const Row& row : {
           // Help > EULA of the installed program.
           Row{bin + "/EULA.pdf", bin + "/", bin, Kind::Url, installed},
           Row{"EULA.pdf", bin, bin + "/", Kind::Url, installed},
           // A document of its own the install does not have.
           Row{bin + "/Missing.pdf", bin + "/", bin, Kind::None, {}},
           // Documents elsewhere are not the program's own.
           Row{prefix.filePath("EULA.pdf"), prefix.path(), bin, Kind::None, {}},
           // Without the program's folder nothing is looked for elsewhere.
           Row{bin + "/EULA.pdf", bin + "/", "", Kind::None, {}},
       }) {
    const ShellTarget t = ResolveShellTarget(row.target, row.workingDir, pathWith({}), row.programFolder);
    EXPECT_EQ(t.kind, row.kind) << row.target.toStdString() << " from " << row.programFolder.toStdString();
    EXPECT_EQ(t.url, row.url) << row.target.toStdString() << " from " << row.programFolder.toStdString();
  }

  // A document beside the program comes first.
  ASSERT_TRUE(put(QDir(bin).filePath("EULA.pdf")));
  EXPECT_EQ(ResolveShellTarget(bin + "/EULA.pdf", bin + "/", pathWith({}), bin).url,
            QUrl::fromLocalFile(QDir(bin).filePath("EULA.pdf")));
}

}  // namespace
}  // namespace cq::ui
