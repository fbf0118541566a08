#pragma once
// The active colour style as the views need it: whether window and field
// backgrounds are dark, so that the model's text colours stay readable.
#include <QColor>
#include <QPalette>
#include <vector>

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

// The least contrast of text against its background that a user reads
// without effort (the web accessibility guidelines' figure for text).
inline constexpr double kMinTextContrast = 4.5;
// The least contrast of a control's shape, a radio or check mark, against
// what surrounds it (the guidelines' figure for graphics).
inline constexpr double kMinShapeContrast = 3.0;

// Contrast ratio of two colours, 1 (same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// The text colour, its lightness moved just as far as it takes to reach
// the contrast given (text's by default) against every background given.
QColor ReadableOn(const QColor& text, const std::vector<QColor>& backgrounds, double minContrast = kMinTextContrast);

// What the active style draws text on: window, fields, read-only fields.
std::vector<QColor> StyleTextBackgrounds();
std::vector<QColor> StyleTextBackgrounds(const QPalette& palette);

// Text colour to draw for a model font colour over the style's own
// backgrounds: the model colour made readable on them (navy results and red
// warnings lightened on a dark style, darkened where a light one is too
// pale for them), and black on a dark style the style's own text colour.
// Invalid means "the style's own colour".
QColor ReadableTextColor(Color font, const Theme& theme);
// The same over the backgrounds of the palette given.
QColor ReadableTextColor(Color font, const Theme& theme, const QPalette& palette);

// Text colour over an explicit model background: the model colour made
// readable on it, or black or white by the background's lightness when the
// model leaves it default.
QColor TextColorOver(Color font, Color background);

}  // namespace cq::ui
