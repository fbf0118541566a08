#include "ui_qt/indicator_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QSlider>
#include <QStyleOption>
#include <algorithm>

#include "ui_qt/theme.h"

namespace cq::ui {

namespace {

// A disabled mark needs no full contrast, but it must still show.
constexpr double kDisabledMarkContrast = 2.0;

struct MarkColours {
  QColor ring, face, mark;
};

MarkColours coloursFor(const QStyleOption& option) {
  const QPalette& pal = option.palette;  // in the option's colour group
  const bool enabled = option.state & QStyle::State_Enabled;
  const double least = enabled ? kMinShapeContrast : kDisabledMarkContrast;
  const QColor window = pal.color(QPalette::Window);
  QColor face = pal.color(QPalette::Base);
  if (option.state & QStyle::State_Sunken) {
    // Pressed: the field darkened towards the text, as Fusion does.
    const QColor text = pal.color(QPalette::WindowText);
    face = QColor::fromRgbF(face.redF() * 0.85f + text.redF() * 0.15f, face.greenF() * 0.85f + text.greenF() * 0.15f,
                            face.blueF() * 0.85f + text.blueF() * 0.15f);
  }
  const bool keyboardFocus = (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
  const QColor ringStart = keyboardFocus ? pal.color(QPalette::Highlight) : window;
  // The ring is as readable as text while enabled, so that its thin
  // anti-aliased curve keeps the shape contrast everywhere.
  return {ReadableOn(ringStart, {window}, enabled ? kMinTextContrast : least), face,
          ReadableOn(pal.color(QPalette::Text), {face}, least)};
}

void drawRadio(const QStyleOption& option, QPainter& p) {
  const MarkColours c = coloursFor(option);
  const qreal side = std::min(option.rect.width(), option.rect.height());
  const QRectF box(QPointF(option.rect.x() + (option.rect.width() - side) / 2, option.rect.y() + (option.rect.height() - side) / 2),
                   QSizeF(side, side));
  p.setPen(Qt::NoPen);
  p.setBrush(c.ring);
  p.drawEllipse(box);
  p.setBrush(c.face);
  p.drawEllipse(box.adjusted(1, 1, -1, -1));
  if (option.state & QStyle::State_On) {
    const qreal inset = side * 0.28;
    p.setBrush(c.mark);
    p.drawEllipse(box.adjusted(inset, inset, -inset, -inset));
  }
}

void drawCheck(const QStyleOption& option, QPainter& p) {
  const MarkColours c = coloursFor(option);
  const QRectF box = QRectF(option.rect).adjusted(0, 0, -1, -1);
  p.setPen(QPen(c.ring, 1));
  p.setBrush(c.face);
  p.drawRect(box.translated(0.5, 0.5));
  if (option.state & QStyle::State_NoChange) {
    p.fillRect(box.adjusted(box.width() * 0.25, box.height() * 0.42, -box.width() * 0.2, -box.height() * 0.42), c.mark);
  } else if (option.state & QStyle::State_On) {
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.74);
    tick.lineTo(box.left() + box.width() * 0.80, box.top() + box.height() * 0.28);
    p.setPen(QPen(c.mark, std::max(1.5, box.width() / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
  }
}

// Ticks where Fusion puts them, in a shade that stands out from the window.
void drawTicks(const QStyleOptionSlider& s, QPainter& p, const QStyle& style, const QWidget* widget) {
  const bool horizontal = s.orientation == Qt::Horizontal;
  const int tick = style.pixelMetric(QStyle::PM_SliderTickmarkOffset, &s, widget);
  const int handle = style.pixelMetric(QStyle::PM_SliderLength, &s, widget);
  const int span = (horizontal ? s.rect.width() : s.rect.height()) - handle;
  const int interval = s.tickInterval > 0 ? s.tickInterval : std::max(1, s.singleStep);
  const bool enabled = s.state & QStyle::State_Enabled;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(ReadableOn(s.palette.color(QPalette::Dark), {s.palette.color(QPalette::Window)},
                      enabled ? kMinShapeContrast : kDisabledMarkContrast));
  auto draw = [&](int value) {
    const int at = QStyle::sliderPositionFromValue(s.minimum, s.maximum, value, span, s.upsideDown) + handle / 2;
    // The end ticks a pixel longer, as Fusion draws them.
    const int from = value == s.minimum || value == s.maximum ? 1 : 2;
    const QRect& r = s.rect;
    if (horizontal) {
      if (s.tickPosition & QSlider::TicksAbove) p.drawLine(r.left() + at, r.top() + from, r.left() + at, r.top() + tick);
      if (s.tickPosition & QSlider::TicksBelow)
        p.drawLine(r.left() + at, r.bottom() - from, r.left() + at, r.bottom() - tick);
    } else {
      if (s.tickPosition & QSlider::TicksLeft) p.drawLine(r.left() + from, r.top() + at, r.left() + tick, r.top() + at);
      if (s.tickPosition & QSlider::TicksRight)
        p.drawLine(r.right() - from, r.top() + at, r.right() - tick, r.top() + at);
    }
  };
  for (int v = s.minimum;; v += interval) {
    draw(v);
    if (static_cast<long long>(v) + interval > s.maximum) break;
  }
  // The last position has its tick even where the interval steps past it.
  if ((static_cast<long long>(s.maximum) - s.minimum) % interval != 0) draw(s.maximum);
  p.restore();
}

}  // namespace

IndicatorStyle::IndicatorStyle(QStyle* base) : QProxyStyle(base) {
  // The style keeps the name it is known by.
  if (base) setObjectName(base->objectName());
}

void IndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
  if (!option || !painter || (element != PE_IndicatorRadioButton && element != PE_IndicatorCheckBox)) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  if (element == PE_IndicatorRadioButton)
    drawRadio(*option, *painter);
  else
    drawCheck(*option, *painter);
  painter->restore();
}

void IndicatorStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                        const QWidget* widget) const {
  const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
  if (control != CC_Slider || !slider || !painter || !(slider->subControls & SC_SliderTickmarks)) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  QStyleOptionSlider rest = *slider;
  rest.subControls &= ~SC_SliderTickmarks;
  QProxyStyle::drawComplexControl(control, &rest, painter, widget);
  drawTicks(*slider, *painter, *proxy(), widget);
}

}  // namespace cq::ui
