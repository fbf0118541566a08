#pragma once
// Texts in the pictures name their fonts as lists ("Verdana, DejaVu Sans,
// sans-serif"). Qt takes the first name and lets the system pick a stand-in
// when it is missing, so a picture's texts would change with the fonts a
// machine has installed. Every list names the carried face instead.
#include <QByteArray>

namespace cq::ui {

// The SVG with each font-family (attribute or style property) replaced by
// the carried family that stands for it (EmbeddedFamily).
QByteArray PictureWithEmbeddedFonts(const QByteArray& svg);

}  // namespace cq::ui
