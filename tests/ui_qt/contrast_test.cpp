// Text a user must read stands out from what it is drawn on: results,
// captions, group titles, button captions and list texts of every page and
// small window, in every theme, measured on the window as drawn (the
// palettes and style sheets as applied). So do the marks of radio buttons
// and check boxes, the tick marks of track bars, the swatches of colour
// legends, and the chosen tab of a tab strip.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOption>
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/calculator_table.h"
#include "every_theme.h"
#include "layout_check.h"
#include "program_fixture.h"
#include "qt_test_support.h"
#include "small_form.h"
#include "ui_qt/multi_row_tab_strip.h"
#include "ui_qt/qt_styles.h"
#include "ui_qt/theme.h"
#include "ui_qt/widgets.h"

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

// The least contrast of a control's shape against what surrounds it (the
// web accessibility guidelines' figure for graphics a user must see).
constexpr double kMinShapeContrast = 3.0;
// A disabled mark needs no such contrast, but it must still show, and show
// whether it is set.
constexpr double kMinDisabledContrast = 1.5;
// The chosen tab stands out from the others by at least this much.
constexpr double kMinChosenTabContrast = 1.15;

// The commonest colour of an area: the background of what is drawn there.
QRgb Commonest(const QImage& shot, const QRect& area) {
  QHash<QRgb, int> counts;
  const QRect r = area.intersected(shot.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) ++counts[shot.pixel(x, y) | 0xff000000u];
  QRgb commonest = 0;
  int most = -1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > most) most = it.value(), commonest = it.key();
  return commonest;
}

// The contrast of the pixel of the area that stands out most from a colour
// (anti-aliasing only blends towards the background, so that pixel is the
// drawn colour itself).
double MostContrast(const QImage& shot, const QRect& area, QRgb against) {
  const QRect r = area.intersected(shot.rect());
  double best = 1;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      best = std::max(best, ContrastRatio(QColor::fromRgb(shot.pixel(x, y)), QColor::fromRgb(against)));
  return best;
}

// Text on the commonest colour of its area.
double TextContrast(const QImage& shot, const QRect& area) { return MostContrast(shot, area, Commonest(shot, area)); }

// Where a radio button or check box draws its mark, or its caption, in the
// window's coordinates.
QRect ButtonPart(const QAbstractButton& b, const QWidget& window, bool mark) {
  QStyleOptionButton option;
  option.initFrom(&b);
  option.text = b.text();
  const bool radio = qobject_cast<const QRadioButton*>(&b) != nullptr;
  const QStyle::SubElement part = radio ? (mark ? QStyle::SE_RadioButtonIndicator : QStyle::SE_RadioButtonContents)
                                        : (mark ? QStyle::SE_CheckBoxIndicator : QStyle::SE_CheckBoxContents);
  return b.style()->subElementRect(part, &option, &b).translated(b.mapTo(&window, QPoint(0, 0)));
}

// The radio buttons or the check box of a control's widget.
std::vector<const QAbstractButton*> MarkedButtons(const QWidget& w) {
  std::vector<const QAbstractButton*> out;
  if (auto* group = qobject_cast<const RadioGroupWidget*>(&w))
    for (int i = 0; i < group->count(); ++i) out.push_back(group->button(i));
  else if (auto* box = qobject_cast<const QCheckBox*>(&w))
    out.push_back(box);
  return out;
}

// What a list shows: its chosen item, or the text it has besides its items.
QString ComboText(const QComboBox& c) { return c.currentIndex() >= 0 ? c.currentText() : c.placeholderText(); }

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
  if (auto* b = qobject_cast<const QAbstractButton*>(&w); b && (qobject_cast<const QRadioButton*>(b) || qobject_cast<const QCheckBox*>(b))) {
    if (b->text().trimmed().isEmpty()) return {};
    return ButtonPart(*b, window, false);
  }
  if (auto* g = qobject_cast<const QGroupBox*>(&w)) {
    if (g->title().trimmed().isEmpty()) return {};
    return GroupTitleRect(*g).translated(at);
  }
  if (auto* b = qobject_cast<const QPushButton*>(&w)) {
    if (b->text().trimmed().isEmpty()) return {};
    // Inside the button's frame.
    return QRect(at, w.size()).adjusted(4, 4, -4, -4);
  }
  if (auto* c = qobject_cast<const QComboBox*>(&w)) {
    if (ComboText(*c).trimmed().isEmpty()) return {};
    // The text's field, without the frame and the arrow.
    QStyleOptionComboBox option;
    option.initFrom(c);
    option.currentText = ComboText(*c);
    option.subControls = QStyle::SC_All;
    return c->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c).translated(at).adjusted(1, 1, -1, -1);
  }
  return {};
}

// What fell short, each where it was first seen and how often.
class Offenders {
 public:
  void add(const std::string& who, const std::string& where, double ratio) {
    auto& seen = seen_[who];
    if (seen.second++ == 0) seen.first = where + ", " + std::to_string(ratio).substr(0, 4) + ":1";
  }
  void report() const {
    for (const auto& [who, where] : seen_) ADD_FAILURE() << who << " on " << where.first << " (" << where.second << " times)";
  }

 private:
  std::map<std::string, std::pair<std::string, int>> seen_;
};

// The marks of the radio buttons and check boxes a control shows: each one
// stands out from what it is drawn on, and a set mark from an unset one.
void CheckMarks(const QImage& shot, const QWidget& window, const QWidget& w, const std::string& who,
                const std::string& where, Offenders& out) {
  const auto buttons = MarkedButtons(w);
  std::optional<QRgb> unsetFace;
  for (const QAbstractButton* b : buttons)
    if (b->isVisibleTo(&window) && !b->isChecked()) unsetFace = Commonest(shot, ButtonPart(*b, window, true).adjusted(3, 3, -3, -3));
  for (const QAbstractButton* b : buttons) {
    if (!b->isVisibleTo(&window)) continue;
    const bool enabled = b->isEnabled();
    const double least = enabled ? kMinShapeContrast : kMinDisabledContrast;
    const QRect mark = ButtonPart(*b, window, true);
    const QRgb around = Commonest(shot, b->rect().translated(b->mapTo(&window, QPoint(0, 0))));
    const std::string state = std::string(enabled ? "" : "disabled ") + (b->isChecked() ? "set" : "unset");
    if (const double ring = MostContrast(shot, mark, around); ring < least)
      out.add(who + " " + state + " mark \"" + b->text().toStdString() + "\"", where, ring);
    if (b->isChecked() && unsetFace)
      if (const double set = MostContrast(shot, mark.adjusted(3, 3, -3, -3), *unsetFace); set < least)
        out.add(who + " " + state + " mark \"" + b->text().toStdString() + "\" against an unset one", where, set);
  }
}

// The tick marks of a track bar stand out from what they are drawn on, in
// the band along its edge where they are drawn.
void CheckTicks(const QImage& shot, const QWidget& window, const QWidget& w, const std::string& who,
                const std::string& where, Offenders& out) {
  const auto* slider = qobject_cast<const QSlider*>(&w);
  if (!slider || slider->tickPosition() != QSlider::TicksBelow) return;
  const int band = slider->style()->pixelMetric(QStyle::PM_SliderTickmarkOffset, nullptr, slider) + 1;
  const QRect r(slider->mapTo(&window, QPoint(0, 0)), slider->size());
  const QRect ticks = slider->orientation() == Qt::Horizontal ? r.adjusted(0, r.height() - band, 0, 0)
                                                               : r.adjusted(r.width() - band, 0, 0, 0);
  const double least = slider->isEnabled() ? kMinShapeContrast : kMinDisabledContrast;
  if (const double ratio = MostContrast(shot, ticks, Commonest(shot, ticks)); ratio < least)
    out.add(who + " tick marks", where, ratio);
}

// A colour legend's swatch (a plain coloured square, not a thin rule) shows
// as a shape on what it stands on, whatever its colour: by its face or by
// its outline.
void CheckSwatch(const QImage& shot, const QWidget& window, const Control& c, const QWidget& w, const std::string& who,
                 const std::string& where, Offenders& out) {
  constexpr int kMinSide = 8;
  if (!dynamic_cast<const PanelWidget*>(&w) || !c.caption().empty() || !c.children().empty() || c.color().isDefault() ||
      w.width() < kMinSide || w.height() < kMinSide)
    return;
  const QRect r(w.mapTo(&window, QPoint(0, 0)), w.size());
  const QRgb around = Commonest(shot, QRect(r.left() - 5, r.top(), 4, r.height()));
  if (const double ratio = MostContrast(shot, r, around); ratio < kMinShapeContrast) out.add(who + " swatch", where, ratio);
}

// Every text and mark of a window as it is drawn now.
void CheckWindow(FormView& view, const std::string& theme, const std::string& where, Offenders& out) {
  // Built as the window's first frame builds it.
  const QImage shot = view.grabClientArea().toImage();
  const QWidget& window = *view.clientArea();
  for (const Control* c : view.form().allControls()) {
    const QWidget* w = view.widgetFor(*c);
    if (!w || !w->isVisibleTo(&window)) continue;
    CheckMarks(shot, window, *w, theme + ": " + c->name(), where, out);
    CheckTicks(shot, window, *w, theme + ": " + c->name(), where, out);
    CheckSwatch(shot, window, *c, *w, theme + ": " + c->name(), where, out);
    if (!w->isEnabled()) continue;
    std::vector<const QWidget*> texts{w};
    for (const QAbstractButton* b : MarkedButtons(*w))
      if (b != w && b->isVisibleTo(&window)) texts.push_back(b);
    for (const QWidget* t : texts) {
      const QRect area = TextArea(*t, window);
      if (area.isEmpty()) continue;
      if (const double ratio = TextContrast(shot, area); ratio < kMinTextContrast) {
        const auto* b = qobject_cast<const QAbstractButton*>(t);
        const auto* combo = qobject_cast<const QComboBox*>(t);
        const std::string text = b ? b->text().toStdString() : combo ? ComboText(*combo).toStdString() : c->caption();
        out.add(theme + ": " + c->name() + " \"" + text + "\"", where, ratio);
      }
    }
  }
}

class ContrastInTheme : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { ASSERT_TRUE(styles.trySetStyle(theme)); }
  const std::string theme = GetParam();
  QtStyles styles{[](const std::string&) {}};
};

TEST_P(ContrastInTheme, ResultsCaptionsGroupTitlesAndMarksOfEveryPage) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  auto& tabs = p.form().get<TabControl>("TabControl1");
  Offenders offenders;
  for (const CalculatorInfo& calc : Calculators()) {
    tabs.userSelect(calc.index);
    QCoreApplication::processEvents();  // the page laid out as drawn
    CheckWindow(p.view(), theme, std::string(calc.tabCaption), offenders);
  }
  // What a choice on a page shows: Padstack's BGA land size with its list.
  const struct {
    CalculatorId calc;
    const char* radio;
    int item;
    const char* where;
  } kShownByAChoice[] = {{CalculatorId::Padstack, "RadioGroup14", 1, "Padstack Calculator, BGA Land Size"}};
  for (const auto& shown : kShownByAChoice) {
    tabs.userSelect(static_cast<int>(shown.calc));
    p.form().get<RadioGroup>(shown.radio).userSelect(shown.item);
    QCoreApplication::processEvents();
    CheckWindow(p.view(), theme, shown.where, offenders);
  }
  offenders.report();
}

TEST_P(ContrastInTheme, TextsAndMarksOfEverySmallWindow) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  Offenders offenders;
  for (const auto& v : p.frontEnd().views()) {
    if (&v->form() == &p.form()) continue;
    v->show();
    ASSERT_TRUE(test::WaitUntilOnScreen(*v));  // built and laid out as the user sees it
    CheckWindow(*v, theme, v->form().name(), offenders);
    v->hide();
  }
  offenders.report();
}

// Set and unset, enabled and disabled, on the style's own face and on a
// white window (which the platform's look shows white).
TEST(Contrast, RadioAndCheckMarksInEveryStateAndTheme) {
  QtStyles styles([](const std::string&) {});
  Offenders offenders;
  for (const bool white : {false, true}) {
    test::SmallForm model;
    if (white) model.form.setColor(colors::White);
    for (const bool enabled : {true, false}) {
      const std::string suffix = enabled ? "" : "Off";
      const int top = enabled ? 10 : 110;
      RadioGroup& radio = model.form.create<RadioGroup>("RadioGroup" + suffix);
      radio.setBounds({10, top, 180, 90});
      radio.setItems({"Imperial", "Metric", "Both"});
      radio.setItemIndex(1);
      radio.setEnabled(enabled);
      for (const bool checked : {true, false}) {
        CheckBox& box = model.form.create<CheckBox>(std::string(checked ? "Set" : "Unset") + suffix);
        box.setBounds({200, top + (checked ? 10 : 40), 180, 20});
        box.setCaption("Enter copper weight manually");
        box.setChecked(checked);
        box.setEnabled(enabled);
      }
    }
    FormView view(model.form);
    model.form.show();
    for (const std::string& theme : styles.names()) {
      styles.trySetStyle(theme);
      QCoreApplication::processEvents();
      const QImage shot = view.grab().toImage();
      const std::string where = white ? "a white window" : "the style's window";
      for (const Control* c : model.form.allControls())
        if (const QWidget* w = view.widgetFor(*c)) CheckMarks(shot, view, *w, theme + ": " + c->name(), where, offenders);
      // A set check box against the unset one beside it.
      for (const std::string suffix : {"", "Off"}) {
        const auto* set = static_cast<const QAbstractButton*>(view.widgetFor("Set" + suffix));
        const auto* unset = static_cast<const QAbstractButton*>(view.widgetFor("Unset" + suffix));
        const QRgb face = Commonest(shot, ButtonPart(*unset, view, true).adjusted(3, 3, -3, -3));
        const double ratio = MostContrast(shot, ButtonPart(*set, view, true).adjusted(3, 3, -3, -3), face);
        if (ratio < (suffix.empty() ? kMinShapeContrast : kMinDisabledContrast))
          offenders.add(theme + ": Set" + suffix + " check mark against an unset one", where, ratio);
      }
    }
  }
  styles.trySetStyle("Windows");
  offenders.report();
}

// The strip alone, without the page it holds.
QImage StripShot(const MultiRowTabStrip& strip) {
  QImage shot(strip.size(), QImage::Format_RGB32);
  QPainter painter(&shot);
  const_cast<MultiRowTabStrip&>(strip).render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  return shot;
}

// The chosen tab is lighter than the others, joined to the page and marked
// by an edge along its top that stands out from its face and the others';
// every caption reads on its tab, the one under the mouse too.
void CheckTabStrip(MultiRowTabStrip& strip, const std::string& who, const std::string& where, Offenders& out) {
  const int chosen = strip.currentIndex();
  const QRect page = strip.pageRect();
  for (int hot : {-1, chosen == 0 ? 1 : 0}) {
    const QPoint over = hot < 0 ? QPoint(-10, -10) : strip.tabRect(hot).center();
    QMouseEvent move(QEvent::MouseMove, QPointF(over), QPointF(strip.mapToGlobal(over)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&strip, &move);
    const QImage shot = StripShot(strip);
    const QRgb chosenFace = Commonest(shot, strip.tabRect(chosen).adjusted(3, 3, -3, -1));
    for (int i = 0; i < strip.count(); ++i) {
      const QRect tab = strip.tabRect(i).adjusted(3, 3, -3, -1);
      const QRgb face = Commonest(shot, tab);
      const std::string name = who + " tab \"" + strip.tabs()[i].toStdString() + "\"" + (i == hot ? " under the mouse" : "");
      if (const double text = MostContrast(shot, tab, face); text < kMinTextContrast) out.add(name, where, text);
      if (i == chosen || hot >= 0) continue;
      const QColor lighter = QColor::fromRgb(chosenFace), other = QColor::fromRgb(face);
      if (const double step = ContrastRatio(lighter, other); lighter.lightnessF() <= other.lightnessF() || step < kMinChosenTabContrast)
        out.add(name + " as light as the chosen one", where, step);
    }
    if (hot >= 0) continue;
    const QRect chosenTab = strip.tabRect(chosen);
    const QColor edge = QColor::fromRgb(Commonest(shot, QRect(chosenTab.left() + 3, chosenTab.top() - 2, chosenTab.width() - 6, 2)));
    double edgeContrast = ContrastRatio(edge, QColor::fromRgb(chosenFace));
    for (int i = 0; i < strip.count(); ++i)
      if (i != chosen)
        edgeContrast = std::min(edgeContrast, ContrastRatio(edge, QColor::fromRgb(Commonest(shot, strip.tabRect(i).adjusted(3, 3, -3, -1)))));
    if (edgeContrast < kMinShapeContrast) out.add(who + " chosen tab's edge", where, edgeContrast);
    // Joined: the page's face runs on into the chosen tab, with no line between.
    const QRgb pageFace = Commonest(shot, page.adjusted(4, 4, -4, -4));
    const QRect seam(strip.tabRect(chosen).left() + 3, page.top() - 2, strip.tabRect(chosen).width() - 6, 4);
    if (pageFace != chosenFace || Commonest(shot, seam) != pageFace || MostContrast(shot, seam, pageFace) > 1.0)
      out.add(who + " chosen tab not joined to its page", where, ContrastRatio(QColor::fromRgb(pageFace), QColor::fromRgb(chosenFace)));
  }
}

TEST_P(ContrastInTheme, TheChosenTabStandsOut) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  auto& tabs = p.form().get<TabControl>("TabControl1");
  auto& ohmsTabs = p.form().get<TabControl>("TabControl3");
  Offenders offenders;
  // A tab in the middle row, so that rows stand above and below it, and
  // one in the top row.
  for (const int calc : {10, 0}) {
    tabs.userSelect(calc);
    for (const int inner : {0, 5}) {
      ohmsTabs.userSelect(inner);
      QCoreApplication::processEvents();
      const std::string where = std::string(Calculators()[static_cast<size_t>(calc)].tabCaption);
      CheckTabStrip(*p.view().widget<MultiRowTabStrip>("TabControl1"), theme + ": TabControl1", where, offenders);
      if (calc == 10) CheckTabStrip(*p.view().widget<MultiRowTabStrip>("TabControl3"), theme + ": TabControl3", where, offenders);
    }
  }
  offenders.report();
}

// While its window is disabled (Program Options open from the menu) the
// strip's captions take the palette's disabled text, as the rest does.
TEST_P(ContrastInTheme, ADisabledStripGreysItsCaptions) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  auto& strip = *p.view().widget<MultiRowTabStrip>("TabControl1");
  p.form().setEnabled(false);
  const QImage shot = StripShot(strip);
  const QColor disabledText = strip.palette().color(QPalette::Disabled, QPalette::WindowText);
  for (int i = 0; i < strip.count(); ++i) {
    // Clear of the raised selected tab's edge, which may reach into it.
    const QRect tab = strip.tabRect(i).adjusted(3, 3, -3, -3);
    const QRgb face = Commonest(shot, tab);
    // Anti-aliasing only blends towards the face: no caption pixel stands
    // out more than the disabled text colour itself.
    EXPECT_LE(MostContrast(shot, tab, face), ContrastRatio(disabledText, QColor::fromRgb(face)) + 0.01)
        << strip.tabs()[i].toStdString();
  }
  p.form().setEnabled(true);
}

INSTANTIATE_TEST_SUITE_P(EveryTheme, ContrastInTheme, ::testing::ValuesIn(test::kEveryTheme), test::ThemeTestName);

}  // namespace
}  // namespace cq::ui
