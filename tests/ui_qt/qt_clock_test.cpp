#include "ui_qt/qt_clock.h"

#include <gtest/gtest.h>

namespace cq::ui {
namespace {

TEST(QtClock, LongTimeFormatDropsOnlyTheTimeZone) {
  struct Row {
    QString format, expected;
  };
  for (const Row& row : {Row{"h:mm:ss AP t", "h:mm:ss AP"}, Row{"HH:mm:ss t", "HH:mm:ss"},
                         Row{"HH.mm.ss", "HH.mm.ss"}, Row{"t HH:mm:ss", "HH:mm:ss"},
                         Row{"'at' HH:mm:ss t", "'at' HH:mm:ss"}, Row{"HH:mm:ss tttt", "HH:mm:ss"}})
    EXPECT_EQ(LongTimeFormatWithoutZone(row.format), row.expected) << row.format.toStdString();
}

TEST(QtClock, TextsAreTheLocalesOwn) {
  QtClock clock;
  // Without a zone, a long time holds digits and separators only (and AM/PM).
  const std::string time = clock.timeText();
  EXPECT_FALSE(time.empty());
  EXPECT_EQ(time.find_first_of("+"), std::string::npos) << time;
  EXPECT_EQ(time.find("UTC"), std::string::npos) << time;
  EXPECT_FALSE(clock.dateText().empty());
}

}  // namespace
}  // namespace cq::ui
