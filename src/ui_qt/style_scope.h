#pragma once
// One application style sheet for every colour style: each style's rules
// apply under windows marked with that style's name. A switch then changes
// only the mark and restyles each widget once, where a new application sheet
// restyles every widget once for itself and again for each of its parents.
#include <QString>

namespace cq::ui {

// The rules of a style's sheet made to apply only to the windows marked
// with its name (and to everything inside them).
QString ScopedSheet(const QString& sheet, const QString& style);

// Marks every window, open or still to come, with the style's name.
void MarkWindowsWith(const QString& style);

// Restyles every widget of every window once, parents before children.
void RestyleAllWidgets();

}  // namespace cq::ui
