// The licence document the build writes beside the program: Help > EULA
// opens it, and it says what the program is, its version, its licence and
// where the full text is, then holds the full texts and the notices.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

#include "program_fixture.h"
#include "qt_test_support.h"
#include "ui_qt/shell_target.h"
#include "windows/about_version.h"

namespace cq::ui {
namespace {

const QString kProgram = QStringLiteral(CIRQUET_PROGRAM_FILE);

QString programFolder() { return QFileInfo(kProgram).absolutePath() + QLatin1Char('/'); }

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QAction* actionCalled(const QList<QAction*>& actions, const QString& text) {
  for (QAction* a : actions)
    if (a->text() == text) return a;
  return nullptr;
}

TEST(LicenceDocument, HelpEulaOpensThePdfBesideTheProgram) {
  test::ProgramWithViews p;
  p.fakes.process.path = kProgram.toStdString();
  p.program().showMainWindow();
  ASSERT_TRUE(test::WaitUntilOnScreen(p.view()));

  // The user opens the Help menu on the bar and clicks its EULA item.
  QMenuBar* bar = p.view().menuBar();
  ASSERT_NE(bar, nullptr);
  QAction* help = actionCalled(bar->actions(), QStringLiteral("&Help"));
  ASSERT_NE(help, nullptr);
  test::ClickAt(bar, bar->actionGeometry(help).center());
  QMenu* menu = help->menu();
  ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
  QAction* eula = actionCalled(menu->actions(), QStringLiteral("&EULA"));
  ASSERT_NE(eula, nullptr);
  test::ClickAt(menu, menu->actionGeometry(eula).center());

  const std::string folder = programFolder().toStdString();
  ASSERT_EQ(p.fakes.shell.opened, (std::vector<std::pair<std::string, std::string>>{{folder + "EULA.pdf", folder}}));
  const QString path = QString::fromStdString(p.fakes.shell.opened.front().first);
  EXPECT_TRUE(contents(path).startsWith("%PDF-")) << path.toStdString();
  // The desktop's shell opens that very file.
  const ShellTarget target = ResolveShellTarget(path, programFolder(), FindOnPath, programFolder());
  EXPECT_EQ(target.kind, ShellTarget::Kind::Url);
  EXPECT_EQ(target.url, QUrl::fromLocalFile(path));
}

// The document's text as a reader copies it out, one entry per page.
QStringList pagesOfText(const QString& pdf) {
  QProcess reader;
  reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
  if (!reader.waitForFinished(30000) || reader.exitCode() != 0) {
    ADD_FAILURE() << "pdftotext (Debian package poppler-utils) could not read " << pdf.toStdString();
    return {};
  }
  QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

QStringList wordsOf(const QString& text) {
  static const QRegularExpression space(QStringLiteral("\\s+"));
  return text.split(space, Qt::SkipEmptyParts);
}

// Where text's words start in words, in the same order and with nothing
// between them; -1 when they are not there whole. Words are compared with
// their punctuation.
qsizetype findWords(const QStringList& words, const QString& text) {
  const QStringList wanted = wordsOf(text);
  const auto at = std::search(words.begin(), words.end(), wanted.begin(), wanted.end());
  return wanted.isEmpty() || at == words.end() ? -1 : at - words.begin();
}

QString fileText(const char* path) { return QString::fromUtf8(contents(QString::fromUtf8(path))); }

class LicenceDocumentText : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { pages_ = new QStringList(pagesOfText(programFolder() + "EULA.pdf")); }
  static void TearDownTestSuite() {
    delete pages_;
    pages_ = nullptr;
  }
  static const QStringList& pages() { return *pages_; }
  static QStringList allWords() { return wordsOf(pages().join(QLatin1Char('\n'))); }

 private:
  static QStringList* pages_;
};
QStringList* LicenceDocumentText::pages_ = nullptr;

TEST_F(LicenceDocumentText, FirstPageSaysWhatVersionUnderWhichLicenceAndWhereItsTextIs) {
  ASSERT_GT(pages().size(), 1);
  const QStringList first = wordsOf(pages().front());
  for (const QString& said : {
           QStringLiteral("Cirquet End-User Licence Agreement"),
           QStringLiteral("Quillonex PCB Design, Inc."),
           QString::fromStdString(AboutVersionLine()),
           QStringLiteral("desktop engineering calculator for printed-circuit-board designers:"),
           QStringLiteral("GNU General Public License as published by the Free Software Foundation, either "
                          "version 3 of the License, or (at your option) any later version."),
           QStringLiteral("WITHOUT ANY WARRANTY;"),
           QStringLiteral("follows from page 2 of this document."),
           QStringLiteral("the file LICENSE of Cirquet's source code,"),
           QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html"),
           QStringLiteral("under \"Third-party notices\"."),
       })
    EXPECT_GE(findWords(first, said), 0) << "not on the first page: " << said.toStdString();
  // The full text is not squeezed onto the first page.
  EXPECT_LT(findWords(first, QStringLiteral("TERMS AND CONDITIONS")), 0);
}

TEST_F(LicenceDocumentText, PageTwoStartsTheLicencesFullText) {
  ASSERT_GT(pages().size(), 1);
  const QString licence = fileText(CIRQUET_LICENCE_FILE);
  ASSERT_TRUE(licence.startsWith(QStringLiteral("                    GNU GENERAL PUBLIC LICENSE")));
  EXPECT_EQ(findWords(wordsOf(pages()[1]), QStringLiteral("GNU GENERAL PUBLIC LICENSE Version 3, 29 June 2007")), 0);
  // Word for word, from the title to "<https://www.gnu.org/licenses/why-not-lgpl.html>.".
  EXPECT_GE(findWords(allWords(), licence), 0);
}

TEST_F(LicenceDocumentText, NoticesFollowTheLicenceWithEachLicenceInFull) {
  const QStringList words = allWords();
  const qsizetype licence = findWords(words, fileText(CIRQUET_LICENCE_FILE));
  const qsizetype notices = findWords(words, QStringLiteral("Third-party notices Qt 6"));
  ASSERT_GE(licence, 0);
  EXPECT_GT(notices, licence);
  struct Notice {
    QString what;
    QString text;
  };
  for (const Notice& n : {
           Notice{"Qt", QStringLiteral("Qt 6 libraries Qt Core, Qt GUI, Qt Widgets, Qt SVG and Qt Print Support, "
                                       "Copyright (C) The Qt Company Ltd. and other contributors,")},
           Notice{"LGPL-3", fileText(CIRQUET_LGPL_FILE)},
           Notice{"nlohmann-json", QStringLiteral("Copyright (c) 2013-2022 Niels Lohmann")},
           Notice{"MIT", QStringLiteral("Permission is hereby granted, free of charge, to any person obtaining a copy "
                                        "of this software and associated documentation files (the \"Software\"), to deal")},
           Notice{"DejaVu fonts", fileText(CIRQUET_DEJAVU_COPYRIGHT_FILE)},
       })
    EXPECT_GT(findWords(words, n.text), notices) << n.what.toStdString();
}

// Viewers find every object where the cross-reference table says it is, and
// the file ends as a finished PDF does.
TEST(LicenceDocument, IsAWellFormedPdf) {
  const QByteArray pdf = contents(programFolder() + "EULA.pdf");
  ASSERT_TRUE(pdf.startsWith("%PDF-1."));
  const QRegularExpressionMatch end =
      QRegularExpression(QStringLiteral("startxref\\n(\\d+) ?\\n%%EOF\\n$")).match(QString::fromLatin1(pdf));
  ASSERT_TRUE(end.hasMatch());
  const qsizetype xref = end.captured(1).toLongLong();
  ASSERT_EQ(pdf.mid(xref, 4), "xref");
  const QString table = QString::fromLatin1(pdf.mid(xref));
  int object = 0;
  auto entries = QRegularExpression(QStringLiteral("(\\d{10}) 00000 n ")).globalMatch(table);
  while (entries.hasNext()) {
    const qsizetype offset = entries.next().captured(1).toLongLong();
    ++object;
    const QByteArray header = QByteArray::number(object) + " 0 obj";
    EXPECT_EQ(pdf.mid(offset, header.size()), header) << "object " << object;
  }
  EXPECT_GE(object, 10);
}

}  // namespace
}  // namespace cq::ui
