#include "layout_check.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <map>
#include <optional>

#include "ui_qt/form_view.h"
#include "ui_qt/widgets.h"

namespace cq::ui {

namespace {

int textWidth(const QWidget& w, const QString& text) {
  return w.fontMetrics().size(Qt::TextSingleLine | Qt::TextShowMnemonic, text).width();
}

// Room a check or radio mark and its gap take before the text.
int markWidth(const QWidget& w, bool radio) {
  const QStyle* s = w.style();
  return s->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, &w) +
         s->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, &w);
}

// Text wider than the widget's room for it; 0 when it fits.
int overflow(const QWidget& w) {
  if (auto* b = qobject_cast<const QPushButton*>(&w)) {
    if (b->text().isEmpty()) return 0;
    const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
    return std::max(0, textWidth(w, b->text()) + icon + 4 - w.width());
  }
  if (auto* c = qobject_cast<const QCheckBox*>(&w)) return std::max(0, markWidth(w, false) + textWidth(w, c->text()) - w.width());
  if (auto* r = qobject_cast<const QRadioButton*>(&w)) return std::max(0, markWidth(w, true) + textWidth(w, r->text()) - w.width());
  if (auto* g = qobject_cast<const QGroupBox*>(&w)) {
    if (g->title().isEmpty()) return 0;
    // Where the style puts the title; its trailing blanks show nothing, so
    // they may reach the frame's other end.
    const QRect label = GroupTitleRect(*g);
    QString title = g->title();
    while (title.endsWith(QLatin1Char(' '))) title.chop(1);
    return std::max(0, label.left() + textWidth(w, title) - (w.width() - 1));
  }
  if (auto* l = qobject_cast<const QLabel*>(&w)) {
    if (l->wordWrap()) return std::max(0, l->heightForWidth(l->width()) - l->height());
    return std::max(0, textWidth(w, l->text()) - w.width());
  }
  return 0;
}

bool boundsOverlap(const Control& a, const Control& b) {
  const Bounds& x = a.bounds();
  const Bounds& y = b.bounds();
  return QRect(x.left, x.top, x.width, x.height).intersects(QRect(y.left, y.top, y.width, y.height));
}

std::string pairText(const Control& a, const Control& b) { return a.name() + " and " + b.name(); }

// Room a caption needs before the control it names, so that the two read
// as two things.
constexpr int kMinCaptionGap = 4;

// A shown control and where it draws.
struct Shown {
  const Control* control;
  const QWidget* widget;
  QRect geometry;
  // The end of a left-aligned single-line label's text and the bottom of
  // its line; no text edge for anything else.
  std::optional<QRect> text;
};

std::optional<QRect> labelText(const QWidget& w) {
  auto* label = qobject_cast<const QLabel*>(&w);
  if (!label || label->wordWrap() || label->text().isEmpty() || !(label->alignment() & Qt::AlignLeft)) return std::nullopt;
  const QRect g = label->geometry();
  return QRect(g.left(), g.top(), textWidth(*label, label->text()), label->fontMetrics().height());
}

// How close a caption's text comes to a sibling to its right on the same
// line; nullopt where that sibling is not there.
std::optional<int> gapToTheRight(const Shown& label, const Shown& other) {
  if (!label.text) return std::nullopt;
  const QRect& t = *label.text;
  const QRect& o = other.geometry;
  if (o.left() <= t.left() || o.top() > t.bottom() || o.bottom() < t.top()) return std::nullopt;
  return o.left() - (t.left() + t.width());
}

}  // namespace

QRect GroupTitleRect(const QGroupBox& g) {
  QStyleOptionGroupBox opt;
  opt.initFrom(&g);
  opt.text = g.title();
  opt.lineWidth = 1;
  opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
  opt.textAlignment = g.alignment();
  return g.style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, &g);
}

std::vector<std::string> LayoutFaults(const FormView& view, const OverlapAllowance& allowed) {
  std::vector<std::string> faults;
  const QWidget* window = &view;
  std::vector<std::pair<const Control*, const QWidget*>> shown;
  for (const Control* c : view.form().allControls()) {
    const QWidget* w = view.widgetFor(*c);
    if (!w || w == view.clientArea() || !w->isVisibleTo(window)) continue;
    shown.emplace_back(c, w);
    if (const int cut = overflow(*w))
      faults.push_back(c->name() + ": text " + std::to_string(cut) + " px wider than its room");
    if (auto* radio = qobject_cast<const RadioGroupWidget*>(w))
      for (int i = 0; i < radio->count(); ++i)
        if (const int cut = overflow(*radio->button(i)))
          faults.push_back(c->name() + " item " + std::to_string(i) + ": text " + std::to_string(cut) +
                           " px wider than its room");
    const QWidget* parent = w->parentWidget();
    if (parent && parent != view.clientArea() && !parent->rect().contains(w->geometry()))
      faults.push_back(c->name() + ": runs past the border of " + parent->objectName().toStdString());
  }
  // Only siblings can overlap or crowd each other.
  std::map<const QWidget*, std::vector<Shown>> byParent;
  for (const auto& [c, w] : shown) byParent[w->parentWidget()].push_back({c, w, w->geometry(), labelText(*w)});
  auto allowedPair = [&allowed](const Control& a, const Control& b) {
    return !allowed.empty() && (allowed.count({a.name(), b.name()}) || allowed.count({b.name(), a.name()}));
  };
  for (const auto& [parent, siblings] : byParent)
    for (size_t i = 0; i < siblings.size(); ++i)
      for (size_t j = i + 1; j < siblings.size(); ++j) {
        const Shown& a = siblings[i];
        const Shown& b = siblings[j];
        for (const auto& [label, other] : {std::pair{&a, &b}, std::pair{&b, &a}})
          if (const auto gap = gapToTheRight(*label, *other); gap && *gap >= 0 && *gap < kMinCaptionGap &&
                                                               !allowedPair(*a.control, *b.control))
            faults.push_back(label->control->name() + " ends " + std::to_string(*gap) + " px before " +
                             other->control->name());
        if (a.geometry.intersects(b.geometry) && !boundsOverlap(*a.control, *b.control) &&
            !allowedPair(*a.control, *b.control))
          faults.push_back(pairText(*a.control, *b.control) + ": overlap on screen, not in their bounds");
      }
  return faults;
}

}  // namespace cq::ui
