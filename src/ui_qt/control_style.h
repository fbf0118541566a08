#pragma once
// The look of a control's widget as the model and the colour style give it:
// a style sheet of its own and a font. A function of the control, its kind,
// the style and its palette only, so that it can be worked out and checked
// without a window.
#include <QFont>
#include <QPalette>
#include <QString>

#include "platform/form.h"
#include "ui_qt/control_kind.h"
#include "ui_qt/theme.h"

namespace cq::ui {

struct WidgetStyle {
  // Empty for a widget that shows nothing but its font: it needs no sheet
  // of its own, whose parsing and matching the first frame would pay for.
  QString sheet;
  // Set on the widget along with the sheet: a widget with a sheet of its
  // own gets back the font it had when that sheet was last applied,
  // whatever setFont said since, so the sheet carries the font too.
  QFont font;
};

WidgetStyle StyleFor(const Control& control, ControlKind kind, const Theme& theme, const QPalette& palette);

// The sheet of a form's client area: the form's own colour, or none.
QString ClientAreaSheet(const Form& form, const Theme& theme);

}  // namespace cq::ui
