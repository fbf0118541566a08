// Draws the program's icon at build time, so that the start only wraps
// pixels: drawing the SVG mark at every size took the start milliseconds.
// The same icon goes to the desktop's icon theme as files.
// Usage: program_icon_baker OUT.cpp ICON_DIR
//   OUT.cpp gets the pixels of every size; ICON_DIR gets cirquet-SIDE.png
//   for every size and cirquet.svg, the mark alone on its white ground.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
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

// The logo's own markup of the mark, cut to the mark's bounds, so that it
// draws as the pixels do at any size.
bool writeScalable(const QByteArray& logo, const QRectF& bounds, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  QXmlStreamWriter out(&file);
  out.setAutoFormatting(true);
  out.writeStartDocument();
  out.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
  out.writeStartElement(QStringLiteral("http://www.w3.org/2000/svg"), QStringLiteral("svg"));
  const QString side = QString::number(bounds.width());
  out.writeAttribute(QStringLiteral("width"), side);
  out.writeAttribute(QStringLiteral("height"), QString::number(bounds.height()));
  out.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("%1 %2 %3 %4")
                                                    .arg(bounds.x())
                                                    .arg(bounds.y())
                                                    .arg(bounds.width())
                                                    .arg(bounds.height()));
  out.writeEmptyElement(QStringLiteral("http://www.w3.org/2000/svg"), QStringLiteral("rect"));
  out.writeAttribute(QStringLiteral("x"), QString::number(bounds.x()));
  out.writeAttribute(QStringLiteral("y"), QString::number(bounds.y()));
  out.writeAttribute(QStringLiteral("width"), side);
  out.writeAttribute(QStringLiteral("height"), QString::number(bounds.height()));
  out.writeAttribute(QStringLiteral("fill"), QStringLiteral("#ffffff"));
  QXmlStreamReader in(logo);
  int depth = 0;
  while (!in.atEnd() && !in.hasError()) {
    in.readNext();
    if (depth == 0 && !(in.isStartElement() && in.attributes().value(QStringLiteral("id")) == u"mark")) continue;
    if (in.isWhitespace()) continue;
    if (in.isStartElement()) ++depth;
    if (in.isEndElement()) --depth;
    out.writeCurrentToken(in);
    if (depth == 0) break;
  }
  out.writeEndDocument();
  return !in.hasError() && !out.hasError() && file.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUT.cpp ICON_DIR\n", argv[0]);
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
  const QByteArray logo(svg.data(), static_cast<qsizetype>(svg.size()));
  QSvgRenderer renderer(logo);
  const QDir icons(QString::fromLocal8Bit(argv[2]));
  if (!icons.mkpath(QStringLiteral(".")) ||
      !writeScalable(logo, renderer.boundsOnElement(QStringLiteral("mark")), icons.filePath(QStringLiteral("cirquet.svg")))) {
    std::fprintf(stderr, "cannot write the scalable icon into %s\n", argv[2]);
    return 1;
  }
  QTextStream s(&out);
  s << "// Written by program_icon_baker from pictures/logo.svg.\n"
       "#include \"ui_qt/program_icon_sizes.h\"\n\n"
       "namespace cq::ui {\n\n"
       "const unsigned int kProgramIconPixels[] = {\n";
  for (int side : cq::ui::kProgramIconSides) {
    const QImage image = drawMark(renderer, side);
    if (!image.save(icons.filePath(QStringLiteral("cirquet-%1.png").arg(side)))) {
      std::fprintf(stderr, "cannot write the %d pixel icon into %s\n", side, argv[2]);
      return 1;
    }
    for (int y = 0; y < side; ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < side; ++x) s << "0x" << Qt::hex << line[x] << Qt::dec << ",";
      s << "\n";
    }
  }
  s << "};\n\n}  // namespace cq::ui\n";
  return s.status() == QTextStream::Ok && out.flush() ? 0 : 1;
}
