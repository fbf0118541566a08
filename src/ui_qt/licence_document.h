#pragma once
// What the licence document (EULA.pdf) says: a first page on the program,
// its version and its licence, then the licence's full text, then the
// notices of the libraries and fonts the program uses.
#include <QPagedPaintDevice>
#include <QString>

namespace cq::ui {

// The document's title, on its first page and in the file's properties; the
// Help menu item that opens it is "EULA".
inline constexpr char kLicenceDocumentTitle[] = "Cirquet End-User Licence Agreement";

struct LicenceTexts {
  QString version;  // the About window's line, "Version 8.31"
  QString gpl;      // the program's licence, in full
  QString lgpl;     // the Qt libraries' licence, in full
  QString dejavu;   // the DejaVu fonts' copyright and licence
};

// Lays the document out for the device's pages and paints it there; the
// licence and the notices start new pages. The text is set in the DejaVu
// Sans families, which must be loaded.
void PrintLicenceDocument(QPagedPaintDevice& device, const LicenceTexts& texts);

}  // namespace cq::ui
