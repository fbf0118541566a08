#include "ui_qt/qt_clock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace cq::ui {

QString LongTimeFormatWithoutZone(const QString& format) {
  QString out;
  bool quoted = false;
  for (QChar c : format) {
    if (c == u'\'') quoted = !quoted;
    if (!quoted && c == u't') continue;
    out += c;
  }
  return out.simplified();
}

std::string QtClock::timeText() {
  const QLocale locale = QLocale::system();
  return locale.toString(QTime::currentTime(), LongTimeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat)))
      .toStdString();
}

std::string QtClock::dateText() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace cq::ui
