#pragma once
// A modal message box as the desktop framework shows one: plain text, no
// pictures on its buttons, over the active window. Returns the button
// pressed (a QMessageBox::StandardButton).
#include <QMessageBox>
#include <string>

namespace cq::ui {

int RunMessageBox(QMessageBox::Icon icon, const std::string& title, const std::string& text,
                  QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton = QMessageBox::Ok);

}  // namespace cq::ui
