#include "ui_qt/exit_when_started.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "program/program.h"

namespace cq::ui {

void ExitWhenStartedForTests(Program& program) {
  if (qEnvironmentVariableIsEmpty("CIRQUET_TEST_EXIT_WHEN_STARTED")) return;
  auto* timer = new QTimer(QCoreApplication::instance());
  QObject::connect(timer, &QTimer::timeout, [&program, timer] {
    Form& main = program.form("Form1");
    if (!main.showing() || program.form("Form4").showing()) return;
    timer->stop();
    std::fputs("cirquet: started\n", stderr);
    main.menuItem("Exit1").userChoose();
  });
  timer->start(100);
}

}  // namespace cq::ui
