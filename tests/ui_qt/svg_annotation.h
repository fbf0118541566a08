#pragma once
// The annotation of a picture as its SVG describes it: labels, lines and
// arrowheads. Label boxes come from the attributes (position, anchor, font
// size) and an estimate of the sans face's advances, not from a rendered
// glyph, so the result does not depend on the fonts a machine has.
#include <QByteArray>
#include <QColor>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>
#include <vector>

namespace cq::ui {

struct SvgLabel {
  QString text;
  QRectF box;  // in the picture's own units, from the top of the tallest letter
  QColor fill;
  double fontSize = 0;
  int pieces = 1;  // the text itself and every tspan in it
  bool transformed = false;  // moved by a transform, which the box leaves out
};

struct SvgLine {
  QLineF line;
  QColor stroke;
  bool dashed = false;
};

struct SvgAnnotation {
  QRectF viewBox;
  std::vector<SvgLabel> labels;
  std::vector<SvgLine> lines;
  std::vector<QPolygonF> polygons;
  // Thin filled bars across the picture: fraction bars and the tops of roots.
  std::vector<QRectF> bars;
  // The same picture with every text left out: what the labels sit on.
  QByteArray withoutText;
};

SvgAnnotation ReadSvgAnnotation(const QByteArray& svg);

// Where a point of the picture lands on a page box of the given size, the
// picture drawn whole and undistorted, centred (as the pages draw it).
QTransform PictureToPage(const QRectF& viewBox, QSize page);

}  // namespace cq::ui
