#pragma once
// Printing an image of a window, and the printer-setup dialog. A machine
// without printers prints into a PDF file instead, so printing always
// gives a page, and the window's status bar says where it went.
#include <QString>
#include <functional>
#include <memory>

#include "platform/services.h"

class QPagedPaintDevice;
class QPixmap;
class QPrinter;

namespace cq::ui {

bool SystemHasPrinter();

// One page: the image at its size on screen (screen to printer resolution),
// made smaller when it would not fit the page, at the top left.
void PaintImageOnPage(const QPixmap& image, QPrinter& printer);

class QtPrinter : public Printer {
 public:
  // pdfFolder: where prints go without a printer (empty: the documents
  // folder). hasPrinter tells whether a real printer exists.
  explicit QtPrinter(QString pdfFolder = {}, std::function<bool()> hasPrinter = SystemHasPrinter);
  ~QtPrinter() override;

  void setupDialog() override;
  void printForm(Form& form) override;

  // The file of the last print into a PDF, empty when there was none.
  const QString& lastPdf() const { return lastPdf_; }

 private:
  QPrinter& printer();
  QString nextPdfPath() const;

  std::unique_ptr<QPrinter> printer_;
  QString pdfFolder_;
  std::function<bool()> hasPrinter_;
  QString lastPdf_;
};

}  // namespace cq::ui
