#include "qt_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "ui_qt/embedded_fonts.h"

namespace cq::test {

namespace {

// One QApplication per test process, made before the first test and gone
// after the last.
class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "cirquet_qt_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef CIRQUET_TEST_FONTCONFIG_FILE
    // Run by hand as under ctest: no system fonts, only the program's own.
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE")) qputenv("FONTCONFIG_FILE", CIRQUET_TEST_FONTCONFIG_FILE);
#endif
    app_ = std::make_unique<QApplication>(argc, argv);
    ui::UseEmbeddedFonts();
    QApplication::setQuitOnLastWindowClosed(false);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

int keyOf(QChar c) {
  if (c.isDigit()) return Qt::Key_0 + c.digitValue();
  if (c.isLetter()) return Qt::Key_A + (c.toUpper().unicode() - u'A');
  if (c == u'.') return Qt::Key_Period;
  if (c == u',') return Qt::Key_Comma;
  if (c == u'-') return Qt::Key_Minus;
  if (c == u' ') return Qt::Key_Space;
  return Qt::Key_unknown;
}

void sendKey(QWidget* widget, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

}  // namespace

void TypeKeys(QWidget* widget, const QString& text) {
  // A character outside the Basic Multilingual Plane is one key whose text
  // is its surrogate pair.
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    sendKey(widget, keyOf(text.at(i)), text.mid(i, units));
    i += units;
  }
}

void CommitText(QWidget* widget, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(widget, &event);
}

void PressEnter(QWidget* widget) { sendKey(widget, Qt::Key_Return, QStringLiteral("\r")); }

void Click(QWidget* widget) { ClickAt(widget, widget->rect().center()); }

void ClickAt(QWidget* widget, QPoint at) {
  const QPointF local(at);
  const QPointF global = widget->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

void Drag(QWidget* from, QWidget* onto) {
  const QPointF start = from->mapToGlobal(QPointF(from->rect().center()));
  const QPointF end = onto->mapToGlobal(QPointF(onto->rect().center()));
  auto send = [from](QEvent::Type type, QPointF global, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, from->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(from, &event);
  };
  send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
  constexpr int kSteps = 8;
  for (int i = 1; i <= kSteps; ++i)
    send(QEvent::MouseMove, start + (end - start) * i / kSteps, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
}

void Pump(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool WaitUntilOnScreen(QWidget& window) {
  return QTest::qWaitFor([&window] { return window.isVisible(); }, 2000) && QTest::qWaitForWindowExposed(&window);
}

void OnNextBox(std::function<void(QMessageBox&)> inspect, int button) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect = std::move(inspect), button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll->stop();
    poll->deleteLater();
    inspect(*box);
    if (QAbstractButton* b = box->button(static_cast<QMessageBox::StandardButton>(button)))
      b->click();
    else
      box->reject();
  });
  poll->start(5);
}

}  // namespace cq::test
