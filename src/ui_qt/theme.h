#pragma once
// The active colour style as the views need it: whether window and field
// backgrounds are dark, so that the model's text colours stay readable.
#include <QColor>

#include "platform/control.h"

namespace cq::ui {

struct Theme {
  bool dark = false;
};

const Theme& ActiveTheme();
void SetActiveTheme(Theme theme);

// The model colour as a QColor; invalid for the style's own colour.
QColor ToQColor(Color c);

// Text colour to draw for a model font colour over the style's own
// background. On a dark style a dark colour (navy results, red warnings) is
// lightened with its hue kept, and black becomes the style's own text
// colour; on a light style the model colour is used as it is. Invalid means
// "the style's own colour".
QColor ReadableTextColor(Color font, const Theme& theme);

// Text colour over an explicit model background: the model colour, or black
// or white by the background's lightness when the model leaves it default.
QColor TextColorOver(Color font, Color background);

}  // namespace cq::ui
