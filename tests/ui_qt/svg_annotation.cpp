#include "svg_annotation.h"

#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <vector>

namespace cq::ui {
namespace {

// Presentation attributes a child takes from its group; a transform is
// kept only as a mark that the child is moved.
const QStringList kInherited = {"fill",        "stroke",      "stroke-dasharray", "font-size",
                                "font-style",  "font-weight", "text-anchor",      "transform"};

using Style = QHash<QString, QString>;

Style Inherit(const Style& parent, const QXmlStreamAttributes& attributes) {
  Style style = parent;
  for (const QXmlStreamAttribute& a : attributes)
    if (kInherited.contains(a.name().toString())) style.insert(a.name().toString(), a.value().toString());
  return style;
}

double Number(const QXmlStreamAttributes& a, const char* name) { return a.value(name).toDouble(); }

// Advances of the sans face the program carries, in thousandths of an em:
// printable ASCII from the blank on, then the few other letters the
// pictures use. A face the picture names instead differs by a few percent.
constexpr short kAsciiAdvance[95] = {
    318, 401, 460, 838, 636, 950, 780, 275, 390, 390, 500, 838, 318, 361, 318, 337, 636, 636, 636, 636,
    636, 636, 636, 636, 636, 636, 337, 337, 838, 838, 838, 531, 1000, 684, 686, 698, 770, 632, 575, 775,
    752, 295, 295, 656, 557, 863, 748, 787, 603, 787, 695, 635, 611, 732, 684, 989, 685, 611, 685, 390,
    337, 390, 838, 500, 500, 613, 635, 550, 635, 615, 352, 635, 634, 278, 278, 579, 278, 974, 634, 612,
    635, 635, 411, 521, 392, 634, 592, 818, 592, 592, 525, 636, 337, 636, 838};

double Advance(QChar c) {
  if (c.unicode() >= 32 && c.unicode() < 127) return kAsciiAdvance[c.unicode() - 32] / 1000.0;
  static const QHash<QChar, short> other = {{QChar(0x00d7), 838}, {QChar(0x221a), 637}, {QChar(0x03c0), 602},
                                            {QChar(0x03bc), 636}, {QChar(0x03c1), 635}, {QChar(0x03b5), 541},
                                            {QChar(0x03bb), 592}, {QChar(0x00b2), 401}, {QChar(0x2248), 838},
                                            {QChar(0x00b0), 500}, {QChar(0x03a9), 764}};
  return other.value(c, 1000) / 1000.0;
}

bool HasDescender(const QString& text) {
  static const QString letters = "gjpqyQ,;()[]{}|\u03bc\u03c1";
  for (QChar c : text)
    if (letters.contains(c)) return true;
  return false;
}

// A text of letters no taller than an x is that much lower.
bool OnlyShortLetters(const QString& text) {
  static const QString letters = "acegmnopqrsuvwxyz \u03b5\u03bc\u03c0\u03c1";
  for (QChar c : text)
    if (!letters.contains(c)) return false;
  return true;
}

QRectF LabelBox(const QString& text, double x, double y, double size, const Style& style) {
  double width = 0;
  for (QChar c : text) width += Advance(c) * size;
  if (style.value("font-weight") == "bold") width *= 1.1;
  const QString anchor = style.value("text-anchor", "start");
  const double left = anchor == "middle" ? x - width / 2 : anchor == "end" ? x - width : x;
  // A slanted face leans past its advance on the right.
  const double lean = style.value("font-style") == "italic" ? 0.12 * size : 0;
  const double top = y - (OnlyShortLetters(text) ? 0.56 : 0.76) * size;
  const double bottom = y + (HasDescender(text) ? 0.24 * size : 0.02 * size);
  return QRectF(QPointF(left, top), QPointF(left + width + lean, bottom));
}

QColor Colour(const QString& value, const char* fallback) {
  return QColor(value.isEmpty() ? QString(fallback) : value);
}

}  // namespace

SvgAnnotation ReadSvgAnnotation(const QByteArray& svg) {
  SvgAnnotation out;
  QXmlStreamReader r(svg);
  QXmlStreamWriter w(&out.withoutText);
  std::vector<Style> styles{Style{}};
  while (!r.atEnd()) {
    r.readNext();
    if (r.isStartElement()) {
      const QXmlStreamAttributes a = r.attributes();
      const Style style = Inherit(styles.back(), a);
      const QString name = r.name().toString();
      if (name == "svg") {
        const QStringList box = a.value("viewBox").toString().split(' ', Qt::SkipEmptyParts);
        if (box.size() == 4) out.viewBox = QRectF(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble());
      }
      if (name == "text") {
        SvgLabel label;
        label.fontSize = style.value("font-size", "16").toDouble();
        label.fill = Colour(style.value("fill"), "black");
        label.transformed = style.contains("transform");
        // The whole text with its tspans, read without writing it out.
        int depth = 1;
        while (depth > 0 && !r.atEnd()) {
          r.readNext();
          if (r.isStartElement()) ++depth, ++label.pieces;
          else if (r.isEndElement()) --depth;
          else if (r.isCharacters()) label.text += r.text();
        }
        label.text = label.text.simplified();
        label.box = LabelBox(label.text, Number(a, "x"), Number(a, "y"), label.fontSize, style);
        out.labels.push_back(label);
        continue;
      }
      if (name == "line")
        out.lines.push_back({QLineF(Number(a, "x1"), Number(a, "y1"), Number(a, "x2"), Number(a, "y2")),
                             Colour(style.value("stroke"), "transparent"), style.contains("stroke-dasharray")});
      if (name == "rect") {
        const QRectF box(Number(a, "x"), Number(a, "y"), Number(a, "width"), Number(a, "height"));
        if (box.height() > 0 && box.height() <= 2 && box.width() >= 4 * box.height() && style.value("fill") != "none")
          out.bars.push_back(box);
      }
      if (name == "polygon") {
        QPolygonF points;
        for (const QString& pair : a.value("points").toString().split(' ', Qt::SkipEmptyParts)) {
          const QStringList xy = pair.split(',');
          if (xy.size() == 2) points << QPointF(xy[0].toDouble(), xy[1].toDouble());
        }
        out.polygons.push_back(points);
      }
      styles.push_back(style);
    } else if (r.isEndElement()) {
      styles.pop_back();
    }
    w.writeCurrentToken(r);
  }
  return out;
}

QTransform PictureToPage(const QRectF& viewBox, QSize page) {
  QSizeF drawn = viewBox.size();
  drawn.scale(QSizeF(page), Qt::KeepAspectRatio);
  QTransform t;
  t.translate((page.width() - drawn.width()) / 2, (page.height() - drawn.height()) / 2);
  t.scale(drawn.width() / viewBox.width(), drawn.height() / viewBox.height());
  t.translate(-viewBox.x(), -viewBox.y());
  return t;
}

}  // namespace cq::ui
