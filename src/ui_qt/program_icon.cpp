#include "ui_qt/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "platform/resources.h"

namespace cq::ui {

QIcon ProgramIcon() {
  const std::string_view svg = resource("pictures/logo.svg");
  QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
  // The mark's square inside the logo's drawing.
  renderer.setViewBox(QRectF(8, 8, 61, 61));
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128}) {
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

}  // namespace cq::ui
