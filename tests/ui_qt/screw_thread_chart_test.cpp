// The drill and screw-thread charts of Mechanical Information: each column
// caption starts where its column of figures starts, in every theme, and the
// chart and its captions stay inside the group.
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "program_fixture.h"
#include "ui_qt/qt_styles.h"

namespace cq::ui {
namespace {

struct Caption {
  const char* label;
  int column;  // the run of figures it heads, counted from 0
};

struct Chart {
  const char* group;
  const char* memo;
  int units;  // a Units item that shows the chart
  std::vector<Caption> captions;
};

const Chart kCharts[] = {
    {"GroupBox14",
     "Memo1",
     0,
     {{"MechDrillNumberCaption", 0}, {"MechDrillInchesCaption", 1}, {"MechDrillMmCaption", 2}}},
    {"GroupBox19",
     "Memo2",
     0,
     {{"MechImperialSizeCaption", 0},
      {"MechImperialClassCaption", 1},
      {"MechImperialMajorCaption", 2},
      {"MechImperialMajorBasicCaption", 2},
      {"MechImperialMajorMaxCaption", 3},
      {"MechImperialMajorMinCaption", 4},
      {"MechImperialPitchCaption", 5},
      {"MechImperialPitchBasicCaption", 5},
      {"MechImperialPitchMaxCaption", 6},
      {"MechImperialPitchMinCaption", 7},
      {"MechImperialMinorCaption", 8},
      {"MechImperialMinorMaxCaption", 8}}},
    {"GroupBox46",
     "Memo4",
     1,
     {{"MechMetricSizeCaption", 0},
      {"MechMetricOutsideCaption", 1},
      {"MechMetricMetricCaption", 1},
      {"MechMetricImperialCaption", 2}}},
};

bool Blank(QChar c) { return c == u' ' || c == u'\t'; }

// Where each run of non-blank characters of the line starts.
std::vector<int> RunStarts(const QString& line) {
  std::vector<int> starts;
  for (int i = 0; i < line.size(); ++i)
    if (!Blank(line[i]) && (i == 0 || Blank(line[i - 1]))) starts.push_back(i);
  return starts;
}

// A line of the memo laid out as the memo lays it out, tab stops included.
class MemoLine {
 public:
  MemoLine(const QPlainTextEdit& memo, const QString& text) : layout_(text, memo.font()) {
    layout_.setTextOption(memo.document()->defaultTextOption());
    layout_.beginLayout();
    line_ = layout_.createLine();
    layout_.endLayout();
  }
  int xOf(int position) const { return static_cast<int>(std::lround(line_.cursorToX(position))); }
  int width() const { return static_cast<int>(std::ceil(line_.naturalTextWidth())); }

 private:
  QTextLayout layout_;
  QTextLine line_;
};

// The x of a label's text in the group, as drawn left-aligned.
int TextLeft(const QLabel& label, const QWidget& group) {
  return label.mapTo(&group, label.contentsRect().topLeft()).x() + label.indent() * 0;
}

TEST(MechanicalCharts, EachCaptionStartsOverItsColumnInEveryTheme) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  QtStyles styles([](const std::string&) {});
  p.form().get<TabControl>("TabControl1").userSelect(8);
  constexpr int kTolerance = 2;  // pixels a caption may stand off its column
  for (const std::string& theme : styles.names()) {
    styles.trySetStyle(theme);
    for (const Chart& chart : kCharts) {
      SCOPED_TRACE(theme + " / " + chart.memo);
      p.form().get<RadioGroup>("RadioGroup6").userSelect(chart.units);
      QWidget* group = p.view().widgetFor(chart.group);
      auto* memo = qobject_cast<QPlainTextEdit*>(p.view().widgetFor(chart.memo));
      ASSERT_TRUE(group && memo);
      ASSERT_TRUE(group->isVisible());
      memo->ensurePolished();
      const QString line = memo->document()->firstBlock().text();
      const MemoLine laid(*memo, line);
      const std::vector<int> starts = RunStarts(line);
      const int textLeft = memo->viewport()->mapTo(group, QPoint(0, 0)).x() +
                           static_cast<int>(memo->document()->documentMargin());
      for (const Caption& c : chart.captions) {
        auto* label = qobject_cast<QLabel*>(p.view().widgetFor(c.label));
        ASSERT_TRUE(label) << c.label;
        ASSERT_LT(c.column, static_cast<int>(starts.size())) << c.label;
        const int columnLeft = textLeft + laid.xOf(starts[static_cast<size_t>(c.column)]);
        EXPECT_NEAR(TextLeft(*label, *group), columnLeft, kTolerance) << c.label << " over column " << c.column;
        // The caption's text ends inside the group, clear of its border.
        const int right = TextLeft(*label, *group) + QFontMetrics(label->font()).horizontalAdvance(label->text());
        EXPECT_LE(right, group->width() - 6) << c.label;
      }
      // The widest line shows whole, without a horizontal scroll.
      int widest = 0;
      for (QTextBlock b = memo->document()->firstBlock(); b.isValid(); b = b.next())
        widest = std::max(widest, MemoLine(*memo, b.text()).width());
      EXPECT_LE(widest + 2 * static_cast<int>(memo->document()->documentMargin()), memo->viewport()->width());
    }
  }
}

// Both charts in the same font and colours.
TEST(MechanicalCharts, BothScrewThreadChartsLookAlike) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  QtStyles styles([](const std::string&) {});
  for (const std::string& theme : styles.names()) {
    styles.trySetStyle(theme);
    QWidget* imperial = p.view().widgetFor("Memo2");
    QWidget* metric = p.view().widgetFor("Memo4");
    EXPECT_EQ(imperial->font(), metric->font()) << theme;
    EXPECT_EQ(imperial->palette().color(QPalette::Base), metric->palette().color(QPalette::Base)) << theme;
    EXPECT_EQ(imperial->palette().color(QPalette::Text), metric->palette().color(QPalette::Text)) << theme;
    // The sheets differ only by the name they select.
    QString sheet = metric->styleSheet();
    sheet.replace(QStringLiteral("Memo4"), QStringLiteral("Memo2"));
    EXPECT_EQ(imperial->styleSheet().toStdString(), sheet.toStdString()) << theme;
  }
}

}  // namespace
}  // namespace cq::ui
