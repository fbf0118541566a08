#pragma once
// The window is laid out in pixels for the DejaVu faces, so the program
// carries them: whatever fonts a machine has installed and whatever the
// desktop's font settings say, every text shows in the face and with the
// metrics the layout was measured with.
#include <QFont>
#include <QString>

namespace cq::ui {

// Registers the carried faces with Qt and makes the application's default
// font the carried sans face, the first time; later calls return at once.
// Before any text is measured: the front end calls it before it builds the
// windows, a message box before it opens. On the application's thread.
void UseEmbeddedFonts();

// The carried family that shows a family named by a window description or
// a picture: "monospace" shows in DejaVu Sans Mono, "serif" in DejaVu
// Serif, "sans-serif" and every name it does not know ("Verdana", none) in
// DejaVu Sans. A list ("Verdana, DejaVu Sans, sans-serif") goes by its
// first known name.
QString EmbeddedFamily(const QString& described);

// A font of the carried family for a described family, with the rendering
// choices that change metrics fixed rather than taken from the desktop.
QFont EmbeddedFont(const QString& described);

}  // namespace cq::ui
