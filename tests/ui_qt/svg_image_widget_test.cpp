// A picture is read when drawn: what shows is the latest one set, and text
// that is no picture draws nothing.
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include "ui_qt/widgets.h"

namespace cq::ui {
namespace {

QByteArray square(const char* colour) {
  return QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 10"><rect width="10" height="10" fill=")") +
         colour + R"("/></svg>)";
}

QRgb centreOf(SvgImageWidget& w) { return w.grab().toImage().pixel(w.width() / 2, w.height() / 2); }

TEST(SvgImageWidget, DrawsTheLatestPictureAndNothingForBrokenText) {
  SvgImageWidget w;
  w.resize(20, 20);
  w.setSvg(square("#ff0000"));
  EXPECT_EQ(centreOf(w), qRgb(255, 0, 0));
  // Drawn once already: the next picture replaces the kept bitmap.
  w.setSvg(square("#0000ff"));
  EXPECT_EQ(centreOf(w), qRgb(0, 0, 255));
  for (const QByteArray& broken : {QByteArray("<svg"), QByteArray("not a picture"), QByteArray()}) {
    w.setSvg(broken);
    const QRgb shown = centreOf(w);
    EXPECT_NE(shown, qRgb(0, 0, 255)) << broken.constData();
    EXPECT_NE(shown, qRgb(255, 0, 0)) << broken.constData();
  }
}

}  // namespace
}  // namespace cq::ui
