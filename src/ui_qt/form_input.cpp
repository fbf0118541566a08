#include "ui_qt/form_input.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>

#include "ui_qt/keys.h"
#include "ui_qt/user_typing.h"
#include "ui_qt/view_values.h"
#include "ui_qt/widgets.h"

namespace cq::ui {

void FormInput::own(QWidget& widget, Control& control, const ControlAdapter* adapter, bool main) {
  owners_[&widget] = {&control, adapter, main};
  widget.installEventFilter(&filter_);
}

void FormInput::showHint(const QString& hint) {
  const bool held = noticeTime_ && noticeTime_->isActive();
  hintBehindNotice_ = held;
  for (auto& [bar, widget] : hintBars_) {
    if (!bar->autoHint()) continue;
    widget->setHint(hint);
    if (!held) widget->setNotice(std::nullopt);
  }
}

void FormInput::showNotice(const QString& notice) {
  if (!noticeTime_) {
    noticeTime_ = new QTimer(&filter_);
    noticeTime_->setObjectName(QStringLiteral("statusNoticeTime"));
    noticeTime_->setSingleShot(true);
    noticeTime_->setInterval(kNoticeMs);
    QObject::connect(noticeTime_, &QTimer::timeout, &filter_, [this] {
      // The hint of where the pointer went meanwhile.
      if (!hintBehindNotice_) return;
      for (auto& [bar, widget] : hintBars_)
        if (bar->autoHint()) widget->setNotice(std::nullopt);
    });
  }
  hintBehindNotice_ = false;
  if (notice.isEmpty())
    noticeTime_->stop();
  else
    noticeTime_->start();
  for (auto& [bar, widget] : hintBars_)
    if (bar->autoHint()) widget->setNotice(notice.isEmpty() ? std::nullopt : std::optional<QString>(notice));
}

QString FormInput::hintOf(const Control* control) {
  for (const Control* c = control; c; c = c->parent())
    if (!c->hint().empty()) return LongHint(c->hint());
  return {};
}

bool FormInput::handle(QObject* watched, QEvent* event) {
  auto it = owners_.find(watched);
  if (it == owners_.end()) return false;
  const Owner& owner = it->second;
  Control& control = *owner.control;
  switch (event->type()) {
    case QEvent::KeyPress: return handleKey(control, watched, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
      if (&control != &form_) control.userFocus();
      break;
    case QEvent::Enter: showHint(hintOf(&control)); break;
    case QEvent::Leave:
      // Leaving a control's own widget lands on its parent; leaving a part
      // of it lands on the control.
      showHint(hintOf(owner.main ? control.parent() : &control));
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: return handleMouse(owner, watched, static_cast<QMouseEvent*>(event));
    case QEvent::Wheel:
      // A wheel turned over a list or slider without the focus scrolls the
      // page, not the value.
      if (owner.adapter && owner.adapter->wheelNeedsFocus && !static_cast<QWidget*>(watched)->hasFocus()) {
        event->ignore();
        return true;
      }
      break;
    default: break;
  }
  return false;
}

bool FormInput::handleMouse(const Owner& owner, QObject* watched, QMouseEvent* me) {
  // Only a click on the control itself counts, not one that a child passed
  // on to its parent.
  auto* w = static_cast<QWidget*>(watched);
  const QPoint pos = me->position().toPoint();
  const bool direct = me->button() == Qt::LeftButton && w->rect().contains(pos) && !w->childAt(pos);
  const bool passive = owner.adapter && owner.adapter->passive;
  if (me->type() == QEvent::MouseButtonPress) {
    if (direct) pressed_ = watched;
  } else if (me->button() == Qt::LeftButton) {
    const bool click = direct && pressed_ == watched;
    pressed_ = nullptr;
    if (click && owner.adapter && (passive || owner.adapter->clickable)) owner.control->userClick();
  }
  // Widgets that take no mouse input of their own keep it from their parents.
  return passive;
}

bool FormInput::handleKey(Control& control, QObject* watched, QKeyEvent* event) {
  const KeyStroke stroke = TranslateKey(event->key(), event->modifiers(), event->text());
  if (auto* check = dynamic_cast<CheckBox*>(&control)) {
    if (stroke.ch == 0) return false;
    return check->userKeyPress(stroke.ch) == 0;
  }
  if (auto* button = dynamic_cast<Button*>(&control)) {
    // Enter on a focused button presses it.
    if (stroke.key != kKeyEnter) return false;
    button->userClick();
    return true;
  }
  auto* keys = dynamic_cast<KeyControl*>(&control);
  if (!keys || (stroke.key == 0 && stroke.ch == 0)) return false;
  const char received = keys->userKey(stroke.key, stroke.ch, stroke.shift);
  if (stroke.ch == 0) return stepUpDownOf(control, stroke.key);
  if (received == 0) return true;  // the handler swallowed the key
  if (received == stroke.ch) return false;
  // The handler replaced the character: that one is typed instead.
  if (auto* le = qobject_cast<QLineEdit*>(watched)) {
    if (!le->isReadOnly()) {
      le->insert(KeyCharText(received));
      const UserTyping typing(*le);
      static_cast<Edit&>(control).userSetText(le->text().toStdString());
      site_.showContent(control);
    }
  } else if (auto* m = qobject_cast<QPlainTextEdit*>(watched)) {
    if (!m->isReadOnly()) m->insertPlainText(received == '\r' ? QStringLiteral("\n") : KeyCharText(received));
  }
  return true;
}

bool FormInput::stepUpDownOf(Control& control, int key) {
  // The arrow keys of an edit step its up-down.
  if ((key != kKeyUp && key != kKeyDown) || !dynamic_cast<Edit*>(&control) || dynamic_cast<Memo*>(&control))
    return false;
  for (Control* c : form_.allControls())
    if (auto* ud = dynamic_cast<UpDown*>(c); ud && ud->associate() == &control) {
      ud->userClick(key == kKeyUp ? UpDownButton::Up : UpDownButton::Down);
      return true;
    }
  return false;
}

}  // namespace cq::ui
