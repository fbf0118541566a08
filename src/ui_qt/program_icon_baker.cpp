// Draws the program's icon at build time, so that the start only wraps
// pixels: drawing the SVG mark at every size took the start milliseconds.
// Usage: program_icon_baker OUT.cpp   (writes the pixels of every size)
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

#include "platform/resources.h"
#include "ui_qt/program_icon_sizes.h"

namespace {

QImage drawMark(QSvgRenderer& renderer, int side) {
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  // The logo's white ground, then its mark alone.
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  renderer.render(&p, QStringLiteral("mark"));
  p.end();
  return image;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUT.cpp\n", argv[0]);
    return 2;
  }
  // No display is needed to draw into an image.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QFile out(QString::fromLocal8Bit(argv[1]));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  const std::string_view svg = cq::resource("pictures/logo.svg");
  QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
  QTextStream s(&out);
  s << "// Written by program_icon_baker from pictures/logo.svg.\n"
       "#include \"ui_qt/program_icon_sizes.h\"\n\n"
       "namespace cq::ui {\n\n"
       "const unsigned int kProgramIconPixels[] = {\n";
  for (int side : cq::ui::kProgramIconSides) {
    const QImage image = drawMark(renderer, side);
    for (int y = 0; y < side; ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < side; ++x) s << "0x" << Qt::hex << line[x] << Qt::dec << ",";
      s << "\n";
    }
  }
  s << "};\n\n}  // namespace cq::ui\n";
  return s.status() == QTextStream::Ok && out.flush() ? 0 : 1;
}
