#include "ui_qt/picture_fonts.h"

#include <QRegularExpression>
#include <QString>

#include "ui_qt/embedded_fonts.h"

namespace cq::ui {

QByteArray PictureWithEmbeddedFonts(const QByteArray& svg) {
  if (!svg.contains("font-family")) return svg;
  // font-family="list", font-family='list', or font-family: list in a style.
  static const QRegularExpression kFamily(QStringLiteral(R"re(font-family(?:\s*=\s*(?:"([^"]*)"|'([^']*)')|\s*:\s*([^;"}]*)))re"));
  const QString text = QString::fromUtf8(svg);
  QString out;
  out.reserve(text.size());
  qsizetype done = 0;
  for (auto it = kFamily.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    out += QStringView(text).mid(done, m.capturedStart() - done);
    if (m.hasCaptured(3))
      out += QStringLiteral("font-family:'%1'").arg(EmbeddedFamily(m.captured(3)));
    else
      out += QStringLiteral("font-family=\"%1\"").arg(EmbeddedFamily(m.captured(1) + m.captured(2)));
    done = m.capturedEnd();
  }
  out += QStringView(text).mid(done);
  return out.toUtf8();
}

}  // namespace cq::ui
