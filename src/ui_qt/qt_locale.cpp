#include "ui_qt/qt_locale.h"

#include <QLocale>

namespace cq::ui {

std::string QtLocale::decimalSeparator() { return QLocale::system().decimalPoint().toStdString(); }

}  // namespace cq::ui
