#include "ui_qt/qt_printer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>

#include "platform/errors.h"
#include "ui_qt/form_view.h"

namespace cq::ui {

bool SystemHasPrinter() { return !QPrinterInfo::availablePrinters().isEmpty(); }

void PaintImageOnPage(const QPixmap& image, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) throw FrameworkError("Printing failed: the printer could not be started");
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const QScreen* screen = QGuiApplication::primaryScreen();
  const qreal screenDpi = screen ? screen->logicalDotsPerInch() : 96.0;
  const QSizeF logical = image.deviceIndependentSize();
  qreal scale = printer.resolution() / screenDpi;
  if (logical.width() > 0 && logical.height() > 0)
    scale = std::min({scale, page.width() / logical.width(), page.height() / logical.height()});
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(QRectF(QPointF(0, 0), logical * scale), image, QRectF(image.rect()));
  painter.end();
}

QtPrinter::QtPrinter(QString pdfFolder, std::function<bool()> hasPrinter)
    : pdfFolder_(std::move(pdfFolder)), hasPrinter_(std::move(hasPrinter)) {}

QtPrinter::~QtPrinter() = default;

QPrinter& QtPrinter::printer() {
  // Made on first use: asking the print system for its printers is slow.
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void QtPrinter::setupDialog() {
  QPrintDialog dialog(&printer(), QApplication::activeWindow());
  dialog.setWindowTitle(QStringLiteral("Print Setup"));
  dialog.setOptions(QAbstractPrintDialog::PrintToFile);
  dialog.exec();
}

QString QtPrinter::nextPdfPath() const {
  QString folder = pdfFolder_;
  if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) folder = QDir::currentPath();
  const QDir dir(folder);
  // Earlier prints stay.
  QString path = dir.filePath(QStringLiteral("Cirquet-print.pdf"));
  for (int n = 2; QFileInfo::exists(path); ++n) path = dir.filePath(QStringLiteral("Cirquet-print-%1.pdf").arg(n));
  return path;
}

void QtPrinter::printForm(Form& form) {
  FormView* view = FormView::viewOf(form);
  if (!view) return;
  // The notice of an earlier print is not this one's.
  view->showStatusNotice({});
  const QPixmap image = view->grabClientArea();
  QPrinter& chosen = printer();
  // A file chosen in the setup dialog, or a real printer, is used as it is.
  if (!chosen.outputFileName().isEmpty() || hasPrinter_()) {
    PaintImageOnPage(image, chosen);
    return;
  }
  QPrinter pdf(QPrinter::HighResolution);
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setPageLayout(chosen.pageLayout());
  pdf.setDocName(QString::fromStdString(form.caption()));
  pdf.setOutputFileName(nextPdfPath());
  PaintImageOnPage(image, pdf);
  lastPdf_ = pdf.outputFileName();
  // Where the page went, or the user would look for it at a printer.
  view->showStatusNotice(QStringLiteral("No printer found: the page was saved as %1").arg(QDir::toNativeSeparators(lastPdf_)));
  qInfo("Cirquet: no printer found, printed to %s", qUtf8Printable(lastPdf_));
}

}  // namespace cq::ui
