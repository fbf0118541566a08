#include "ui_qt/qt_dialogs.h"

#include <QApplication>

#include "ui_qt/message_box.h"

namespace cq::ui {

QtDialogs::QtDialogs(std::function<std::string()> applicationTitle) : title_(std::move(applicationTitle)) {}

std::string QtDialogs::applicationTitle() const {
  std::string title = title_ ? title_() : std::string();
  return title.empty() ? QApplication::applicationName().toStdString() : title;
}

void QtDialogs::showInfo(const std::string& text) {
  RunMessageBox(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const std::string& text, const std::string& caption) {
  return RunMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

void QtDialogs::showError(const std::string& message) {
  RunMessageBox(QMessageBox::Critical, applicationTitle(), message, QMessageBox::Ok);
}

void QtDialogs::showMathError(const std::string& title, const std::string& text) {
  RunMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok);
}

}  // namespace cq::ui
