#include "ui_qt/message_box.h"

#include <QAbstractButton>
#include <QApplication>

#include "ui_qt/embedded_fonts.h"

namespace cq::ui {

namespace {

// Boxes belong to the active window, so they open over it; a disabled
// window would disable its box too, so then they stand alone.
QWidget* ownerWindow() {
  QWidget* active = QApplication::activeWindow();
  return active && active->isEnabled() ? active : nullptr;
}

// A message may quote a typed text that holds a NUL (pasted, or put there
// by another program); it shows as the replacement mark, so the quote is
// visibly not what it seems.
QString MessageText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QChar(u'\0'), QChar(QChar::ReplacementCharacter));
  return shown;
}

}  // namespace

int RunMessageBox(QMessageBox::Icon icon, const std::string& title, const std::string& text,
                  QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  UseEmbeddedFonts();  // a box may open before the windows are built
  QMessageBox box(icon, QString::fromStdString(title), MessageText(text), buttons, ownerWindow());
  // Messages are plain text, whatever markup they seem to hold.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(defaultButton);
  for (QAbstractButton* b : box.buttons()) b->setIcon(QIcon());
  return box.exec();
}

}  // namespace cq::ui
