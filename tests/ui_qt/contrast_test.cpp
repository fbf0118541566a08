// Text a user must read stands out from what it is drawn on: results,
// captions and group titles of every page, in every theme, measured on the
// window as drawn (the palettes and style sheets as applied).
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/calculator_table.h"
#include "layout_check.h"
#include "program_fixture.h"
#include "ui_qt/qt_styles.h"
#include "ui_qt/theme.h"

namespace cq::ui {
namespace {

TEST(ContrastRatio, MatchesTheGuidelinesFigures) {
  // Black on white is 21:1; #777777 on white 4.48:1 and pure red on white
  // 4.00:1 (python3, the guidelines' luminance formula).
  EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
  EXPECT_NEAR(ContrastRatio(Qt::red, Qt::white), 4.00, 0.01);
}

// A colour too pale or too dark for its background moves only as far as it
// must, keeping its hue; a readable one stays as it is.
TEST(ReadableOn, MovesTheLightnessJustEnough) {
  const QColor navy(0, 0, 128);
  EXPECT_EQ(ReadableOn(navy, {Qt::white}), navy);
  for (const QColor& bg : {QColor(0x2d, 0x2d, 0x30), QColor(Qt::white), QColor(0xc8, 0xd1, 0xda)})
    for (const QColor& text : {navy, QColor(Qt::red), QColor(0, 128, 0)}) {
      SCOPED_TRACE(text.name().toStdString() + " on " + bg.name().toStdString());
      const QColor shown = ReadableOn(text, {bg});
      if (ContrastRatio(text, bg) >= kMinTextContrast) {
        EXPECT_EQ(shown, text);
        continue;
      }
      EXPECT_GE(ContrastRatio(shown, bg), kMinTextContrast);
      EXPECT_LT(ContrastRatio(shown, bg), kMinTextContrast + 0.6);
      EXPECT_EQ(shown.hslHue(), text.hslHue());
    }
}

// The background is the commonest colour of the area; the text is the
// pixel that stands out from it most (anti-aliasing only blends towards
// the background, so that pixel is the text colour itself).
double TextContrast(const QImage& shot, const QRect& area) {
  QHash<QRgb, int> counts;
  const QRect r = area.intersected(shot.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) ++counts[shot.pixel(x, y) | 0xff000000u];
  if (counts.size() < 2) return 1;  // the text does not show at all
  QRgb background = 0;
  int most = -1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > most) most = it.value(), background = it.key();
  double best = 1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) best = std::max(best, ContrastRatio(QColor::fromRgb(it.key()), QColor::fromRgb(background)));
  return best;
}

// The area of a control's text in the window, or an empty one where the
// control shows no text to read.
QRect TextArea(const QWidget& w, const QWidget& window) {
  const QPoint at = w.mapTo(&window, QPoint(0, 0));
  if (auto* l = qobject_cast<const QLabel*>(&w)) {
    if (l->text().trimmed().isEmpty() || !l->pixmap().isNull()) return {};
    return QRect(at, w.size());
  }
  if (auto* e = qobject_cast<const QLineEdit*>(&w)) {
    if (!e->isReadOnly() || e->text().trimmed().isEmpty()) return {};
    // Inside the frame, which may stand out more than the text.
    return QRect(at, w.size()).adjusted(3, 3, -3, -3);
  }
  if (auto* g = qobject_cast<const QGroupBox*>(&w)) {
    if (g->title().trimmed().isEmpty()) return {};
    return GroupTitleRect(*g).translated(at);
  }
  return {};
}

TEST(Contrast, ResultsCaptionsAndGroupTitlesOfEveryPageInEveryTheme) {
    test::ProgramWithViews p;
  p.program().showMainWindow();
  QtStyles styles([](const std::string&) {});
  auto& tabs = p.form().get<TabControl>("TabControl1");
  // Offender -> the first place it was seen and how often.
  std::map<std::string, std::pair<std::string, int>> offenders;
  for (const std::string& theme : styles.names()) {
    styles.trySetStyle(theme);
    for (const CalculatorInfo& calc : Calculators()) {
      tabs.userSelect(calc.index);
      QCoreApplication::processEvents();  // the page laid out as drawn
      const QWidget& window = p.view();
      const QImage shot = p.view().grab().toImage();
      for (const Control* c : p.form().allControls()) {
        const QWidget* w = p.view().widgetFor(*c);
        if (!w || !w->isVisibleTo(&window) || !w->isEnabled()) continue;
        const QRect area = TextArea(*w, window);
        if (area.isEmpty()) continue;
        const double ratio = TextContrast(shot, area);
        if (ratio >= kMinTextContrast) continue;
        auto& seen = offenders[theme + ": " + c->name() + " \"" + c->caption() + "\""];
        if (seen.second++ == 0) seen.first = std::string(calc.tabCaption) + ", " + std::to_string(ratio).substr(0, 4) + ":1";
      }
    }
  }
  for (const auto& [who, where] : offenders) ADD_FAILURE() << who << " on " << where.first << " (" << where.second << " pages)";
}

}  // namespace
}  // namespace cq::ui
