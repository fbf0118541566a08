// The program's icon is the logo's square mark, the name beside it left out.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/resources.h"
#include "ui_qt/program_icon.h"
#include "ui_qt/program_icon_sizes.h"

namespace cq::ui {
namespace {

// The whole logo drawn with its view cut down to the mark's square, which
// sits at 8, 8 and is 61 units on a side in the logo's drawing.
QImage logoSquare(int side) {
  const std::string_view svg = resource("pictures/logo.svg");
  QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
  renderer.setViewBox(QRectF(8, 8, 61, 61));
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  renderer.render(&p);
  p.end();
  return image;
}

// The largest difference of one colour channel between two images.
int largestDifference(const QImage& a, const QImage& b) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    }
  return worst;
}

TEST(ProgramIcon, EverySizeIsTheLogosSquareMark) {
  const QIcon icon = ProgramIcon();
  const QList<QSize> sizes = icon.availableSizes();
  ASSERT_EQ(sizes.size(), 6);
  for (const QSize& size : sizes) {
    SCOPED_TRACE(size.width());
    const QImage shown = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(shown.size(), size);
    EXPECT_EQ(largestDifference(shown, logoSquare(size.width())), 0);
  }
}

// The files the desktop's icon theme gets are the same icon: a PNG of
// every size drawn as the window's, and the SVG drawing the same square.
TEST(ProgramIcon, ThemeFilesShowTheSameMark) {
  const QDir dir(QStringLiteral(CIRQUET_ICON_DIR));
  QSvgRenderer scalable(dir.filePath(QStringLiteral("cirquet.svg")));
  ASSERT_TRUE(scalable.isValid());
  EXPECT_EQ(scalable.defaultSize(), QSize(61, 61));
  for (int side : kProgramIconSides) {
    SCOPED_TRACE(side);
    const QImage png = QImage(dir.filePath(QStringLiteral("cirquet-%1.png").arg(side)))
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(png.size(), QSize(side, side));
    EXPECT_EQ(largestDifference(png, logoSquare(side)), 0);

    QImage drawn(side, side, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter p(&drawn);
    p.setRenderHint(QPainter::Antialiasing);
    scalable.render(&p);
    p.end();
    // Edge pixels may round one step apart; a shifted or scaled mark differs
    // by far more.
    EXPECT_LE(largestDifference(drawn, logoSquare(side)), 1);
  }
}

}  // namespace
}  // namespace cq::ui
