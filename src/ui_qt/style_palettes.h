#pragma once
// The colours of the four styles the program carries. Their drawing
// details live in the style sheets under resources/styles.
#include <QPalette>
#include <QString>
#include <optional>

namespace cq::ui {

// The palette of a carried style; none for an unknown name.
std::optional<QPalette> CarriedStylePalette(const QString& name);

// The resource path of a carried style's sheet: "styles/charcoal-hires.qss"
// for "Charcoal HiRes".
QString StyleSheetPath(const QString& name);

// A window background darker than mid-grey: model colours are lightened.
bool IsDarkPalette(const QPalette& palette);

}  // namespace cq::ui
