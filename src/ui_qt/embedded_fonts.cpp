#include "ui_qt/embedded_fonts.h"

#include <QApplication>
#include <QByteArray>
#include <QFontDatabase>
#include <QLatin1String>
#include <QtGlobal>

#include "ui_qt/embedded_font_files.h"

namespace cq::ui {

namespace {

// Qt's own default size (9 points at 96 dots per inch), held in pixels so
// that the desktop's resolution setting does not change it.
constexpr int kDefaultPixelSize = 12;

}  // namespace

void UseEmbeddedFonts() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  for (const auto& [name, data] : embeddedFontFiles()) {
    // Qt reads the faces where the program holds them, without a copy.
    const QByteArray bytes = QByteArray::fromRawData(data.data(), static_cast<qsizetype>(data.size()));
    if (QFontDatabase::addApplicationFontFromData(bytes) < 0)
      qWarning("Cirquet: the font face %.*s could not be registered", static_cast<int>(name.size()), name.data());
  }
  QFont font = EmbeddedFont(QString());
  font.setPixelSize(kDefaultPixelSize);
  QApplication::setFont(font);
}

QString EmbeddedFamily(const QString& described) {
  static const struct {
    const char* name;
    const char* carried;
  } kKnown[] = {{"DejaVu Sans", "DejaVu Sans"},          {"sans-serif", "DejaVu Sans"},
                {"DejaVu Sans Mono", "DejaVu Sans Mono"}, {"monospace", "DejaVu Sans Mono"},
                {"DejaVu Serif", "DejaVu Serif"},         {"serif", "DejaVu Serif"}};
  // A list ("Verdana, DejaVu Sans, sans-serif") goes by its first known name.
  for (QString name : described.split(QLatin1Char(','))) {
    name = name.trimmed();
    if (name.size() >= 2 && (name.front() == u'"' || name.front() == u'\'') && name.back() == name.front())
      name = name.mid(1, name.size() - 2);
    for (const auto& known : kKnown)
      if (name.compare(QLatin1String(known.name), Qt::CaseInsensitive) == 0) return QString::fromLatin1(known.carried);
  }
  return QStringLiteral("DejaVu Sans");
}

QFont EmbeddedFont(const QString& described) {
  QFont font;  // the application's default, for the size
  font.setFamily(EmbeddedFamily(described));
  // Hinting moves glyph edges and advances. The layout was measured with
  // vertical-only hinting (Debian's font configuration default); a desktop
  // asking for full hinting would otherwise widen texts by a pixel here
  // and there.
  font.setHintingPreference(QFont::PreferVerticalHinting);
  return font;
}

}  // namespace cq::ui
