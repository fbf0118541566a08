#include "ui_qt/qt_printer.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
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

// The mouse pointer comes over a control's widget.
void pointAt(QWidget* widget) {
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QCoreApplication::sendEvent(widget, &enter);
}

// The notice's time runs out now rather than after its ten seconds.
void endNoticeTime(QTimer& time) {
  time.start(0);
  for (int round = 0; round < 100 && time.isActive(); ++round) QCoreApplication::processEvents();
  ASSERT_FALSE(time.isActive());
}

TEST(QtPrinter, TheNoticeWhereThePageWentOutlastsTheHintsOfTenSeconds) {
  QTemporaryDir dir;
  QtPrinter printer(dir.path(), [] { return false; });
  test::ProgramWithViews p(&printer);
  p.program().showMainWindow();
  auto* status = dynamic_cast<StatusBarWidget*>(p.view().widgetFor("StatusBar1"));
  ASSERT_NE(status, nullptr);
  QWidget* logo = p.view().widgetFor("Image6");
  QWidget* facebook = p.view().widgetFor("Image43");
  const QString logoHint = "Visit the Quillonex PCB Design, Inc. webpage.";
  const QString facebookHint = "Follow Quillonex PCB Design on Facebook";
  auto print = [&] {
    p.fakes.dialogs.answers.push_back(true);
    p.view().actionFor(p.form().menuItem("Print1"))->trigger();
    return "No printer found: the page was saved as " + QDir::toNativeSeparators(printer.lastPdf());
  };

  const QString first = print();
  // The pointer crosses controls: their hints wait behind the notice.
  pointAt(logo);
  EXPECT_EQ(status->shownText(0), first);
  pointAt(facebook);
  EXPECT_EQ(status->shownText(0), first);
  // For ten seconds.
  auto* time = p.view().findChild<QTimer*>("statusNoticeTime");
  ASSERT_NE(time, nullptr);
  EXPECT_TRUE(time->isActive());
  EXPECT_TRUE(time->isSingleShot());
  EXPECT_GE(time->interval(), 10000);
  // At its end the panel shows the hint of where the pointer is.
  endNoticeTime(*time);
  EXPECT_EQ(status->shownText(0), facebookHint);
  pointAt(logo);
  EXPECT_EQ(status->shownText(0), logoHint);

  // The next print's notice replaces the earlier one at once.
  const QString second = print();
  EXPECT_EQ(status->shownText(0), second);
  pointAt(facebook);
  const QString third = print();
  ASSERT_NE(third, second);
  EXPECT_EQ(status->shownText(0), third);
  // No hint during its time: it stays until the next one.
  endNoticeTime(*time);
  EXPECT_EQ(status->shownText(0), third);
  pointAt(logo);
  EXPECT_EQ(status->shownText(0), logoHint);
}

}  // namespace
}  // namespace cq::ui
