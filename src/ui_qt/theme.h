#pragma once
// The active colour style as the views need it: whether window and field
// backgrounds are dark, so that the model's text colours stay readable.
#include <QColor>

#include "platform/control.h"

namespace cq::ui {

struct Theme {
  bool dark = false;
  // One of the program's own styles, which paint every window themselves.
  bool carried = false;
};

const Theme& ActiveTheme();
void SetActiveTheme(Theme theme);

// The model colour as a QColor; invalid for the style's own colour.
QColor ToQColor(Color c);

// A background colour of the model as the style shows it: under a carried
// style a white window or field takes the style's own colour, so that no
// window mixes a white face with the style's dark fields and buttons.
Color StyledBackground(Color c, const Theme& theme);

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
