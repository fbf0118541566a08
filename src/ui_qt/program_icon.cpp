#include "ui_qt/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "platform/resources.h"

namespace cq::ui {

QIcon ProgramIcon() {
  const std::string_view svg = resource("pictures/logo.svg");
  QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128}) {
    QPixmap pm(side, side);
    // The logo's white ground, then its mark alone: the name beside the
    // mark is never laid out, which spares the start a text layout and a
    // font lookup per size.
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QStringLiteral("mark"));
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

}  // namespace cq::ui
