// Via Properties laid out for a differential pair: the unit boxes beside the
// pair's own inputs ("GBaud", "Ohms") show their text with room to spare,
// in every theme, and lie over none of the results beside them.
#include <QLineEdit>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_fixture.h"
#include "ui_qt/form_view.h"
#include "ui_qt/qt_styles.h"

namespace cq::ui {
namespace {

// Frame and margins of a field take about this much of its width.
constexpr int kMinTextRoom = 10;

TEST(DifferentialViaLayout, UnitBoxesShowTheirTextWithRoomAndCoverNoResult) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  p.form().get<TabControl>("TabControl1").userSelect(16);
  p.form().get<RadioGroup>("RadioGroup5").userSelect(1);
  const QWidget* page = p.view().widgetFor(p.form().get<GroupBox>("GroupBox1"));
  ASSERT_NE(page, nullptr);

  std::vector<std::pair<const Control*, const QWidget*>> shown;
  for (const Control* c : p.form().allControls()) {
    const QWidget* w = p.view().widgetFor(*c);
    if (w && w->parentWidget() == page && w->isVisibleTo(page)) shown.emplace_back(c, w);
  }
  ASSERT_GT(shown.size(), 20u);

  QtStyles styles([](const std::string&) {});
  for (const std::string& theme : styles.names()) {
    styles.trySetStyle(theme);
    for (const auto& [c, w] : shown) {
      auto* field = qobject_cast<const QLineEdit*>(w);
      if (!field || !field->isReadOnly() || field->text().isEmpty()) continue;
      const int room = field->width() - field->fontMetrics().horizontalAdvance(field->text());
      EXPECT_GE(room, kMinTextRoom) << theme << ": " << c->name() << " \"" << field->text().toStdString() << "\"";
    }
  }
  for (size_t i = 0; i < shown.size(); ++i)
    for (size_t j = i + 1; j < shown.size(); ++j)
      EXPECT_FALSE(shown[i].second->geometry().intersects(shown[j].second->geometry()))
          << shown[i].first->name() << " and " << shown[j].first->name();
}

}  // namespace
}  // namespace cq::ui
