#include "ui_qt/qt_printer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "program_fixture.h"
#include "ui_qt/widgets.h"

namespace cq::ui {
namespace {

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(QtPrinter, WithoutPrintersFilePrintFormGivesAPdf) {
  QTemporaryDir dir;
  QtPrinter printer(dir.path(), [] { return false; });
  test::ProgramWithViews p(&printer);
  p.program().showMainWindow();
  // File > Print Form, answered Yes, as a user chooses it.
  p.fakes.dialogs.answers.push_back(true);
  p.view().actionFor(p.form().menuItem("Print1"))->trigger();
  ASSERT_EQ(printer.lastPdf(), dir.filePath("Cirquet-print.pdf"));
  // The user is told where the page went, in the status bar's hint panel.
  auto* status = dynamic_cast<StatusBarWidget*>(p.view().widgetFor("StatusBar1"));
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->shownText(0), "No printer found: the page was saved as " + QDir::toNativeSeparators(printer.lastPdf()));
  const QByteArray pdf = contents(printer.lastPdf());
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  // An image of the window, not an empty page.
  EXPECT_GT(pdf.size(), 20000);
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);

  // A second print keeps the first.
  p.fakes.dialogs.answers.push_back(true);
  p.view().actionFor(p.form().menuItem("Print1"))->trigger();
  EXPECT_EQ(printer.lastPdf(), dir.filePath("Cirquet-print-2.pdf"));
  EXPECT_TRUE(status->shownText(0).endsWith(QDir::toNativeSeparators(printer.lastPdf()))) << status->shownText(0).toStdString();
  EXPECT_TRUE(QFile::exists(dir.filePath("Cirquet-print.pdf")));

  // No: nothing printed.
  p.fakes.dialogs.answers.push_back(false);
  p.view().actionFor(p.form().menuItem("Print1"))->trigger();
  EXPECT_FALSE(QFile::exists(dir.filePath("Cirquet-print-3.pdf")));
}

}  // namespace
}  // namespace cq::ui
