#include "ui_qt/form_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace cq::ui {

Qt::WindowFlags WindowFlagsFor(const Form& form) {
  Qt::WindowFlags flags = Qt::Window;
  switch (form.borderStyle()) {
    case BorderStyle::None: flags |= Qt::FramelessWindowHint; break;
    case BorderStyle::Dialog:
      flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
      break;
    case BorderStyle::Single:
      // A fixed border can be neither resized nor maximised.
      flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
               Qt::MSWindowsFixedSizeDialogHint;
      if (form.minimizeBox()) flags |= Qt::WindowMinimizeButtonHint;
      break;
    case BorderStyle::Sizeable:
      flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      if (form.minimizeBox()) flags |= Qt::WindowMinimizeButtonHint;
      if (form.maximizeBox()) flags |= Qt::WindowMaximizeButtonHint;
      break;
  }
  if (!form.closeBox())
    flags &= ~(Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
               Qt::WindowMaximizeButtonHint);
  return flags;
}

void CentreOnScreen(QWidget& window) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  window.adjustSize();
  const QRect avail = screen->availableGeometry();
  const QSize size = window.frameGeometry().size().expandedTo(window.size());
  window.move(avail.left() + (avail.width() - size.width()) / 2, avail.top() + (avail.height() - size.height()) / 2);
}

}  // namespace cq::ui
