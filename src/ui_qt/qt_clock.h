#pragma once
// The local time and date as the user's locale writes them.
#include <QString>

#include "platform/services.h"

namespace cq::ui {

class QtClock : public Clock {
 public:
  std::string timeText() override;
  std::string dateText() override;
};

// The locale's long time format without its time zone: the desktop's long
// time ("10:46:13 AM") names no zone.
QString LongTimeFormatWithoutZone(const QString& format);

}  // namespace cq::ui
