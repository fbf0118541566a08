#pragma once
// The window is laid out in pixels for the DejaVu faces, so the program
// carries them: whatever fonts a machine has installed and whatever the
// desktop's font settings say, every text shows in the face and with the
// metrics the layout was measured with.
#include <QFont>
#include <QString>

namespace cq::ui {

// Registers the carried faces with Qt and makes the application's default
// font the carried sans face. Once, after the application object exists and
// before any text is measured.
void UseEmbeddedFonts();

// The carried family that shows a family named by a window description:
// "monospace" shows in DejaVu Sans Mono, every other ("Verdana", none) in
// DejaVu Sans.
QString EmbeddedFamily(const QString& described);

// A font of the carried family for a described family, with the rendering
// choices that change metrics fixed rather than taken from the desktop.
QFont EmbeddedFont(const QString& described);

}  // namespace cq::ui
