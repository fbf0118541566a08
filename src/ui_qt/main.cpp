// Cirquet: the Qt application, the desktop services, then the program.
#include <QApplication>
#include <cstdio>
#include <string>

#include "program/program.h"
#include "ui_qt/exit_when_started.h"
#include "ui_qt/font_list_reader.h"
#include "ui_qt/front_end.h"
#include "ui_qt/qt_services.h"
#include "ui_qt/program_icon.h"

namespace {

// Qt aborts when it cannot reach a display; say so instead.
bool displayAvailable(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  for (int i = 1; i < argc; ++i)
    if (qstrcmp(argv[i], "-platform") == 0) return true;
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  (void)argc;
  (void)argv;
  return true;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!displayAvailable(argc, argv)) {
    std::fputs("Cirquet needs a graphical display (set DISPLAY), none was found.\n", stderr);
    return 1;
  }
  QApplication qapp(argc, argv);
  // The font database is read meanwhile; the carried faces join it when the
  // first window or box is built.
  const cq::ui::FontListReader fontList;
  QApplication::setOrganizationName(QStringLiteral("Quillonex PCB Design, Inc."));
  QApplication::setApplicationName(QStringLiteral("Cirquet"));
  QApplication::setWindowIcon(cq::ui::ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral(CIRQUET_DESKTOP_FILE));
  // The model decides when the program ends: closing the main window.
  QApplication::setQuitOnLastWindowClosed(false);

  cq::ui::QtServices qt;
  // Boxes shown while the windows are still being created carry the title too.
  qt.dialogs.setApplicationTitle([] { return std::string(cq::kApplicationTitle); });
  return cq::RunProgram(qt.services(), [&qt](cq::Program& program) {
    qt.dialogs.setApplicationTitle([&program] { return program.app().title(); });
    cq::ui::FrontEnd frontEnd(program);
    cq::ui::ExitWhenStartedForTests(program);
    frontEnd.run();
  });
}
