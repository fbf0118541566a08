#include "ui_qt/qt_process.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

namespace cq::ui {

void QtProcess::exit(int status) {
  std::fflush(nullptr);
  // Not std::exit: static destructors would run under a live QApplication.
  std::_Exit(status);
}

std::string QtProcess::programPath() { return QCoreApplication::applicationFilePath().toStdString(); }

std::string QtProcess::currentDirectory() { return QDir::toNativeSeparators(QDir::currentPath()).toStdString(); }

}  // namespace cq::ui
