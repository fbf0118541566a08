#include "ui_qt/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace cq::ui {

namespace {

// Boxes belong to the active window, so they open over it; a disabled
// window would disable its box too, so then they stand alone.
QWidget* ownerWindow() {
  QWidget* active = QApplication::activeWindow();
  return active && active->isEnabled() ? active : nullptr;
}

int runBox(QMessageBox::Icon icon, const std::string& title, const std::string& text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(text), buttons, ownerWindow());
  // Messages are plain text, whatever markup they seem to hold.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(defaultButton);
  return box.exec();
}

}  // namespace

QtDialogs::QtDialogs(std::function<std::string()> applicationTitle) : title_(std::move(applicationTitle)) {}

std::string QtDialogs::applicationTitle() const {
  std::string title = title_ ? title_() : std::string();
  return title.empty() ? QApplication::applicationName().toStdString() : title;
}

void QtDialogs::showInfo(const std::string& text) {
  runBox(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const std::string& text, const std::string& caption) {
  return runBox(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

void QtDialogs::showError(const std::string& message) {
  runBox(QMessageBox::Critical, applicationTitle(), message, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogs::showMathError(const std::string& title, const std::string& text) {
  runBox(QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace cq::ui
