#include "ui_qt/qt_event_loop.h"

#include <QCoreApplication>
#include <QThread>

namespace cq::ui {

void QtEventLoop::sleep(int ms) {
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

void QtEventLoop::processMessages() { QCoreApplication::processEvents(); }

}  // namespace cq::ui
