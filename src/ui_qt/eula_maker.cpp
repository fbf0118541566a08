// Writes the licence document the Help menu opens (EULA.pdf) at build
// time, from the licence texts and the About window's version line.
// Usage: eula_maker OUT.pdf FONT_DIR GPL LGPL DEJAVU_COPYRIGHT
//   FONT_DIR holds DejaVuSans.ttf, DejaVuSans-Bold.ttf and DejaVuSansMono.ttf.
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdio>
#include <exception>

#include "ui_qt/licence_document.h"
#include "windows/about_version.h"

namespace {

bool readText(const char* path, QString& out) {
  QFile file(QString::fromLocal8Bit(path));
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", path);
    return false;
  }
  out = QString::fromUtf8(file.readAll());
  return true;
}

// The document is set in these files, not in whatever the machine's font
// configuration would pick for the names.
bool loadFonts(const QDir& dir) {
  for (const char* name : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf"}) {
    if (QFontDatabase::addApplicationFont(dir.filePath(QString::fromLatin1(name))) < 0) {
      std::fprintf(stderr, "cannot load the font %s from %s\n", name, qPrintable(dir.path()));
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: %s OUT.pdf FONT_DIR GPL LGPL DEJAVU_COPYRIGHT\n", argv[0]);
    return 2;
  }
  // No display is needed to write a PDF.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (!loadFonts(QDir(QString::fromLocal8Bit(argv[2])))) return 1;

  cq::ui::LicenceTexts texts;
  try {
    texts.version = QString::fromStdString(cq::AboutVersionLine());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  if (!readText(argv[3], texts.gpl) || !readText(argv[4], texts.lgpl) || !readText(argv[5], texts.dejavu)) return 1;

  const QString out = QString::fromLocal8Bit(argv[1]);
  QFile::remove(out);
  {
    QPdfWriter writer(out);
    writer.setTitle(QString::fromUtf8(cq::ui::kLicenceDocumentTitle));
    writer.setCreator(QStringLiteral("Cirquet ") + texts.version);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 18),
                                     QPageLayout::Millimeter));
    cq::ui::PrintLicenceDocument(writer, texts);
  }
  QFile written(out);
  if (!written.open(QIODevice::ReadOnly) || !written.read(5).startsWith("%PDF-")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
