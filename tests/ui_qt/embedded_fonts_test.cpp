// The program carries the faces its fixed layout is measured with. The Qt
// tests run with a font configuration that offers no system fonts, so they
// see what a machine without a single font would show.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "program_fixture.h"
#include "ui_qt/described_font.h"
#include "ui_qt/embedded_fonts.h"
#include "ui_qt/form_view.h"

namespace cq::ui {
namespace {

using Asked = std::tuple<std::string, bool, bool>;  // family, bold, italic

QString FaceStyle(bool bold, bool italic) {
  if (bold) return italic ? QStringLiteral("Bold Oblique") : QStringLiteral("Bold");
  return italic ? QStringLiteral("Oblique") : QStringLiteral("Book");
}

TEST(EmbeddedFonts, TheTestsSeeOnlyTheCarriedFaces) {
  QStringList families = QFontDatabase::families();
  // Names Qt itself gives the generic families, whatever is installed.
  for (const char* generic : {"Sans Serif", "Serif", "Monospace"}) families.removeAll(generic);
  families.sort();
  EXPECT_EQ(families.join(", ").toStdString(), "DejaVu Sans, DejaVu Sans Mono, DejaVu Serif")
      << "the Qt tests run with the font configuration of the build folder (FONTCONFIG_FILE)";
}

// Every family, weight and slant any window description asks for, and the
// default family, shows in the carried face made for it: a face the
// program does not carry would show here as the nearest carried one.
TEST(EmbeddedFonts, EveryDescribedFontShowsInItsCarriedFace) {
  test::ProgramWithViews p;
  std::set<Asked> asked = {{"", false, false}};
  for (const auto& form : p.program().app().forms()) {
    auto add = [&asked](const Control& c) {
      const Font f = EffectiveFont(c);
      asked.emplace(f.name, f.bold, f.italic);
    };
    add(*form);
    for (const Control* c : form->allControls()) add(*c);
  }
  // What the descriptions are known to ask for, so the list is not empty.
  for (const Asked& known : {Asked{"Verdana", false, false}, Asked{"Verdana", true, false},
                             Asked{"Verdana", false, true}, Asked{"monospace", true, false}})
    EXPECT_TRUE(asked.contains(known)) << std::get<0>(known);
  for (const auto& [family, bold, italic] : asked) {
    const QString name = QString::fromStdString(family);
    const QFontInfo shown(DescribedFont(name, 14, bold, italic));
    SCOPED_TRACE(family + (bold ? " bold" : "") + (italic ? " italic" : ""));
    EXPECT_EQ(shown.family(), name.compare("monospace", Qt::CaseInsensitive) == 0 ? "DejaVu Sans Mono" : "DejaVu Sans");
    EXPECT_EQ(shown.styleName(), FaceStyle(bold, italic));
  }
}

// Message boxes, menus and hints: the carried sans face at Qt's usual size.
TEST(EmbeddedFonts, TheDefaultFontIsTheCarriedSansFace) {
  for (const char* kind : {"QWidget", "QMessageBox", "QMenuBar", "QMenu", "QToolTip"}) {
    const QFontInfo shown(QApplication::font(kind));
    EXPECT_EQ(shown.family(), "DejaVu Sans") << kind;
    EXPECT_EQ(shown.styleName(), "Book") << kind;
    EXPECT_EQ(shown.pixelSize(), 12) << kind;
  }
}

}  // namespace
}  // namespace cq::ui
