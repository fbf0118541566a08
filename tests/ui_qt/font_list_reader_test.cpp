// The font list read on a helper thread while the main thread lays out
// text: the main thread waits for the whole list where it needs it, so an
// installed family is never taken for a missing one.
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

#include "ui_qt/described_font.h"
#include "ui_qt/font_list_reader.h"

namespace cq::ui {
namespace {

TEST(FontListReader, AnInstalledFamilyAskedForMeanwhileIsFound) {
  const QStringList asked = {"DejaVu Sans", "Verdana", "Tahoma", "MS Sans Serif", "Liberation Sans", "Arial"};
  auto reader = std::make_unique<FontListReader>();
  std::vector<std::pair<QString, QString>> found;  // asked, found
  for (const QString& family : asked) found.emplace_back(family, QFontInfo(DescribedFont(family, 13, false, false)).family());
  reader.reset();  // the reading has ended
  const QStringList installed = QFontDatabase::families();
  ASSERT_FALSE(installed.isEmpty());
  int checked = 0;
  for (const auto& [family, shown] : found)
    if (installed.contains(family)) {
      ++checked;
      EXPECT_EQ(shown, family);
    }
  EXPECT_GT(checked, 0) << "none of the asked families is installed here";
}

}  // namespace
}  // namespace cq::ui
