#pragma once
// Qt test helpers: the application object for every test, user input sent
// through Qt's own event delivery (so the views' event filters see it), and
// boxes closed from a timer so that no test waits on a dialog.
#include <QPoint>
#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace cq::test {

// Types the characters one key at a time, as a user would.
void TypeKeys(QWidget* widget, const QString& text);
// The text arrives at once, as an input method (a character picker)
// commits it at the cursor.
void CommitText(QWidget* widget, const QString& text);
void PressEnter(QWidget* widget);
// A left click in the middle of the widget, or at a point of it.
void Click(QWidget* widget);
void ClickAt(QWidget* widget, QPoint local);
// Presses the left button on `from`, moves in steps to the middle of
// `onto` and releases there; the events go to `from`, which holds the
// mouse while the button is down.
void Drag(QWidget* from, QWidget* onto);
// Runs Qt's events for about ms milliseconds.
void Pump(int ms);

// Waits until the window is shown and exposed: at start a window shown
// after the main window shows once the main window's first frame is drawn.
bool WaitUntilOnScreen(QWidget& window);

// Calls inspect with the next modal message box as soon as it is open,
// then closes it with the given button (a QMessageBox::StandardButton).
void OnNextBox(std::function<void(QMessageBox&)> inspect, int button);

}  // namespace cq::test
