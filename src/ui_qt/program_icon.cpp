#include "ui_qt/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "platform/resources.h"

namespace cq::ui {

std::vector<QImage> ProgramIconImages() {
  const std::string_view svg = resource("pictures/logo.svg");
  QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
  std::vector<QImage> images;
  for (int side : {16, 24, 32, 48, 64, 128}) {
    QImage image(side, side, QImage::Format_RGB32);
    // The logo's white ground, then its mark alone: the name beside the
    // mark is never laid out, which spares the start a text layout and a
    // font lookup per size.
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QStringLiteral("mark"));
    p.end();
    images.push_back(std::move(image));
  }
  return images;
}

QIcon ProgramIcon(const std::vector<QImage>& images) {
  QIcon icon;
  for (const QImage& image : images) icon.addPixmap(QPixmap::fromImage(image));
  return icon;
}

QIcon ProgramIcon() { return ProgramIcon(ProgramIconImages()); }

}  // namespace cq::ui
