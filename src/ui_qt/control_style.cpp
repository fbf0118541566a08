#include "ui_qt/control_style.h"

#include <QRect>

#include "platform/controls.h"
#include "ui_qt/view_values.h"

namespace cq::ui {

namespace {

// A read-only edit placed inside another edit's box: a unit text shown in
// that field, drawn without a box of its own.
bool isInsetUnitText(const Control& c) {
  const auto* edit = dynamic_cast<const Edit*>(&c);
  if (!edit || !edit->readOnly() || !c.parent()) return false;
  const Bounds& b = c.bounds();
  const QRect inner(b.left, b.top, b.width, b.height);
  for (const Control* sibling : c.parent()->children()) {
    // A memo or a box of the same bounds is another control in the same
    // place (the other layout's result), not a field the text sits in.
    if (sibling == &c || !dynamic_cast<const Edit*>(sibling) || dynamic_cast<const Memo*>(sibling)) continue;
    const Bounds& o = sibling->bounds();
    if (o != b && QRect(o.left, o.top, o.width, o.height).contains(inner)) return true;
  }
  return false;
}

// A plain coloured square, as a picture's colour legend uses: outlined in
// the text colour, so that a dark colour still shows on a dark style.
bool isSwatch(const Control& c) {
  constexpr int kMinSide = 8;
  return c.caption().empty() && c.children().empty() && c.bounds().width >= kMinSide && c.bounds().height >= kMinSide;
}

QString FontSheet(const QFont& f) {
  QString css = QStringLiteral("font-family: \"%1\"; font-weight: %2; font-style: %3;")
                    .arg(f.family(), f.bold() ? QStringLiteral("bold") : QStringLiteral("normal"),
                         f.italic() ? QStringLiteral("italic") : QStringLiteral("normal"));
  if (f.pixelSize() > 0) css += QStringLiteral("font-size: %1px;").arg(f.pixelSize());
  if (f.underline()) css += QStringLiteral("text-decoration: underline;");
  return css;
}

// The first colour of its own up the parent chain: what a control that
// draws over its parent stands on.
Color backgroundUnder(const Control& control, const Theme& theme) {
  for (const Control* c = &control; c; c = c->parent())
    if (const Color own = StyledBackground(c->color(), theme); !own.isDefault()) return own;
  return colors::Default;
}

}  // namespace

WidgetStyle StyleFor(const Control& control, ControlKind kind, const Theme& theme, const QPalette& palette) {
  const Font font = EffectiveFont(control);

  // Fields draw their own face, buttons always the style's: their text
  // stands on that, not on the window.
  const bool field = kind == ControlKind::Edit || kind == ControlKind::Memo || kind == ControlKind::ComboBox;
  const Color under = kind == ControlKind::Button ? colors::Default
                      : field                     ? StyledBackground(control.color(), theme)
                                                  : backgroundUnder(control, theme);
  QColor text = under.isDefault() ? ReadableTextColor(font.color, theme, palette) : TextColorOver(font.color, under);
  // A button's caption stands on the button's face.
  if (kind == ControlKind::Button && text.isValid()) text = ReadableOn(text, {palette.color(QPalette::Button)});
  const QColor back = kind == ControlKind::Button ? QColor() : ToQColor(StyledBackground(control.color(), theme));

  // Check and radio marks are drawn in the text colour over the field
  // colour: over a colour of the model's, the field takes that colour, so a
  // dark style's black fields never hide a black mark.
  const bool marks = kind == ControlKind::CheckBox || kind == ControlKind::RadioGroup;
  const QColor markField = marks ? ToQColor(backgroundUnder(control, theme)) : QColor();

  Font shown = font;
  if (kind == ControlKind::TabControl || kind == ControlKind::PageControl) {
    // The strip has its own tab font unless the model gives one.
    if (shown.name.empty()) shown.name = "Verdana";
    if (shown.height == 0) shown.height = 12;
  }
  WidgetStyle style{QString(), ToQFont(shown)};
  const QColor fill = kind == ControlKind::CheckBox ? markField : back;
  const bool inset = kind == ControlKind::Edit && isInsetUnitText(control);
  const bool ownSheet = kind == ControlKind::RadioGroup || kind == ControlKind::TabControl || kind == ControlKind::PageControl;
  if (!ownSheet && !text.isValid() && !fill.isValid() && !inset) return style;

  QString props = FontSheet(style.font);
  if (text.isValid()) props += QStringLiteral("color: %1;").arg(CssColor(text));
  if (fill.isValid()) props += QStringLiteral("background-color: %1;").arg(CssColor(fill));
  if (inset) props += QStringLiteral("border: none; background: transparent; padding: 0px;");
  if (kind == ControlKind::Panel && fill.isValid() && isSwatch(control))
    props += QStringLiteral("border: 1px solid %1;").arg(CssColor(palette.color(QPalette::WindowText)));
  const QString id = QLatin1Char('#') + ToQString(control.name());
  style.sheet = id + QStringLiteral(" {") + props + QLatin1Char('}');
  if (kind == ControlKind::RadioGroup) {
    QString items = FontSheet(style.font);
    if (text.isValid()) items += QStringLiteral("color: %1;").arg(CssColor(text));
    if (markField.isValid()) items += QStringLiteral("background-color: %1;").arg(CssColor(markField));
    style.sheet += id + QStringLiteral(" > QRadioButton {") + items + QLatin1Char('}');
  }
  return style;
}

QString ClientAreaSheet(const Form& form, const Theme& theme) {
  const QColor back = ToQColor(StyledBackground(form.color(), theme));
  return back.isValid() ? QStringLiteral("#%1 { background-color: %2; }").arg(ToQString(form.name()), CssColor(back))
                        : QString();
}

}  // namespace cq::ui
