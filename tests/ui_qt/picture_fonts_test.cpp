// The texts of the pictures show in the carried faces whatever font names
// the pictures give: the names are replaced before Qt draws a picture.
#include <QFont>
#include <QFontInfo>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/resources.h"
#include "ui_qt/picture_fonts.h"

namespace cq::ui {
namespace {

struct TextFont {
  QString family;
  bool bold = false;
  bool italic = false;
};

// Applies one font property, from an attribute or a style declaration.
void Apply(TextFont& f, QStringView name, QStringView value) {
  if (name == u"font-family") f.family = value.trimmed().toString();
  if (name == u"font-weight") f.bold = value.trimmed() == u"bold" || value.trimmed().toInt() >= 600;
  if (name == u"font-style") f.italic = value.trimmed() == u"italic" || value.trimmed() == u"oblique";
}

// The font of every text of the SVG, with what its groups pass down.
std::vector<TextFont> TextFonts(const QByteArray& svg) {
  QXmlStreamReader xml(svg);
  std::vector<TextFont> fonts{{}};
  std::vector<QString> elements{{}};
  std::vector<TextFont> texts;
  while (!xml.atEnd()) {
    switch (xml.readNext()) {
      case QXmlStreamReader::StartElement: {
        TextFont f = fonts.back();
        for (const QXmlStreamAttribute& a : xml.attributes()) {
          if (a.name() == u"style") {
            for (QStringView declaration : a.value().split(u';'))
              if (const qsizetype colon = declaration.indexOf(u':'); colon > 0)
                Apply(f, declaration.left(colon).trimmed(), declaration.mid(colon + 1));
          } else {
            Apply(f, a.name(), a.value());
          }
        }
        fonts.push_back(f);
        elements.push_back(xml.name().toString());
        break;
      }
      case QXmlStreamReader::EndElement:
        fonts.pop_back();
        elements.pop_back();
        break;
      case QXmlStreamReader::Characters:
        if (!xml.isWhitespace() && (elements.back() == u"text" || elements.back() == u"tspan"))
          texts.push_back(fonts.back());
        break;
      default:
        break;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return texts;
}

QString CarriedStyle(const QString& family, bool bold, bool italic) {
  const QString slant = family == "DejaVu Serif" ? "Italic" : "Oblique";
  if (bold) return italic ? "Bold " + slant : "Bold";
  return italic ? slant : "Book";
}

TEST(PictureFonts, EveryPictureTextShowsInACarriedFace) {
  int texts = 0;
  for (const auto& [path, data] : embeddedResources()) {
    if (!path.starts_with("pictures/") || !path.ends_with(".svg")) continue;
    const QByteArray svg = PictureWithEmbeddedFonts(QByteArray(data.data(), static_cast<qsizetype>(data.size())));
    for (const TextFont& f : TextFonts(svg)) {
      ++texts;
      SCOPED_TRACE(std::string(path) + ": " + f.family.toStdString() + (f.bold ? " bold" : "") +
                   (f.italic ? " italic" : ""));
      QFont font(f.family);
      font.setBold(f.bold);
      font.setItalic(f.italic);
      const QFontInfo shown(font);
      EXPECT_EQ(shown.family(), f.family);
      EXPECT_EQ(shown.styleName(), CarriedStyle(f.family, f.bold, f.italic));
    }
  }
  EXPECT_GT(texts, 0) << "no picture text found";
}

TEST(PictureFonts, EachWayOfNamingAFontIsReplaced) {
  const struct {
    const char* svg;
    const char* expected;
  } kCases[] = {
      {R"(<text font-family="Verdana, DejaVu Sans, sans-serif">)", R"(<text font-family="DejaVu Sans">)"},
      {R"(<g font-family='serif' font-size="9">)", R"(<g font-family="DejaVu Serif" font-size="9">)"},
      {R"(<text style="fill:red;font-family:'Courier New', monospace;font-size:3px">)",
       R"(<text style="fill:red;font-family:'DejaVu Sans Mono';font-size:3px">)"},
      {R"(<style>text { font-family: Tahoma }</style>)", R"(<style>text { font-family:'DejaVu Sans'}</style>)"},
      {R"(<text x="1">Font-free ° text</text>)", R"(<text x="1">Font-free ° text</text>)"},
  };
  for (const auto& c : kCases) EXPECT_EQ(PictureWithEmbeddedFonts(c.svg).toStdString(), c.expected) << c.svg;
}

}  // namespace
}  // namespace cq::ui
