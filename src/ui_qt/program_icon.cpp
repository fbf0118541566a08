#include "ui_qt/program_icon.h"

#include <QImage>
#include <QPixmap>

#include "ui_qt/program_icon_sizes.h"

namespace cq::ui {

QIcon ProgramIcon() {
  QIcon icon;
  const unsigned int* pixels = kProgramIconPixels;
  for (int side : kProgramIconSides) {
    // The pixels stay where they are; the pixmap takes its own copy.
    const QImage image(reinterpret_cast<const uchar*>(pixels), side, side, QImage::Format_ARGB32_Premultiplied);
    icon.addPixmap(QPixmap::fromImage(image));
    pixels += side * side;
  }
  return icon;
}

}  // namespace cq::ui
