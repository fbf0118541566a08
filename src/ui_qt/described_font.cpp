#include "ui_qt/described_font.h"

#include <QFontMetrics>
#include <QHash>

#include "ui_qt/embedded_fonts.h"

namespace cq::ui {

namespace {

QFont withPixelSize(QFont f, int size) {
  f.setPixelSize(size);
  return f;
}

}  // namespace

QFont DescribedFont(const QString& family, int cellHeight, bool bold, bool italic) {
  QFont f = EmbeddedFont(family);
  f.setBold(bold);
  f.setItalic(italic);
  if (cellHeight <= 0) return f;
  // Metrics are dear and the same few fonts come back for every control.
  static QHash<QString, int> emSizes;
  const QString key = f.key() + QLatin1Char('/') + QString::number(cellHeight);
  auto it = emSizes.constFind(key);
  if (it == emSizes.constEnd()) {
    int em = cellHeight;
    while (em > 1 && QFontMetrics(withPixelSize(f, em)).height() > cellHeight) --em;
    it = emSizes.insert(key, em);
  }
  f.setPixelSize(*it);
  return f;
}

}  // namespace cq::ui
