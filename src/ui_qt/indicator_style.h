#pragma once
// Radio and check marks and track-bar ticks that show in every colour
// style: Fusion rings the marks in a shade of the window itself, which on a
// dark window is a dark disc on a dark face, and draws ticks in a faint
// translucent black. These are drawn with a ring and ticks that stand out
// from the window and a mark that stands out from the field, enabled or not.
#include <QProxyStyle>

namespace cq::ui {

class IndicatorStyle : public QProxyStyle {
 public:
  // Takes ownership of base.
  explicit IndicatorStyle(QStyle* base);

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget = nullptr) const override;
};

}  // namespace cq::ui
