#pragma once
// Every desktop service, implemented with Qt, in one place for main().
// Needs the QApplication.
#include "platform/services.h"
#include "ui_qt/qt_clock.h"
#include "ui_qt/qt_dialogs.h"
#include "ui_qt/qt_event_loop.h"
#include "ui_qt/qt_locale.h"
#include "ui_qt/qt_printer.h"
#include "ui_qt/qt_process.h"
#include "ui_qt/qt_settings_store.h"
#include "ui_qt/qt_shell.h"
#include "ui_qt/qt_styles.h"

namespace cq::ui {

struct QtServices {
  QtDialogs dialogs;
  QtSettingsStore settings;
  QtShell shell;
  QtLocale locale;
  QtEventLoop loop;
  QtClock clock;
  QtPrinter printer;
  QtStyles styles;
  QtProcess process;
  Services services() { return {dialogs, settings, shell, locale, loop, clock, printer, styles, process}; }
};

}  // namespace cq::ui
