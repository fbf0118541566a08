#pragma once
// The user's input on a form's widgets, handed to the model: keys, focus,
// clicks, the wheel, and the status bar hint of what the mouse is over.
#include <QString>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "ui_qt/control_adapter.h"

class QEvent;
class QKeyEvent;
class QMouseEvent;
class QObject;
class QTimer;
class QWidget;

namespace cq::ui {

class FormInput {
 public:
  // `filter` is the object whose event filter hands the owned widgets'
  // events to handle(); `site` shows a control's content again after input
  // changed it.
  FormInput(Form& form, QObject& filter, AdapterSite& site) : form_(form), filter_(filter), site_(site) {}

  // The widget's events are the control's. `main` is false for a part of
  // the control's widget; the adapter is null for the client area.
  void own(QWidget& widget, Control& control, const ControlAdapter* adapter, bool main);
  bool owns(const QObject& widget) const { return owners_.count(&widget) != 0; }
  // An event of a widget: true when it is taken.
  bool handle(QObject* watched, QEvent* event);

  void addHintBar(StatusBar& bar, StatusBarWidget& widget) { hintBars_.emplace_back(&bar, &widget); }
  void showHint(const QString& hint);
  // A word for the user in the hint panels that the hints of the next
  // kNoticeMs do not cover: the last of them shows after that time, and
  // without one the notice stays until the next hint. Empty ends a notice.
  void showNotice(const QString& notice);
  static constexpr int kNoticeMs = 10000;

 private:
  struct Owner {
    Control* control = nullptr;
    const ControlAdapter* adapter = nullptr;
    bool main = true;
  };
  bool handleKey(Control& control, QObject* watched, QKeyEvent* event);
  bool stepUpDownOf(Control& edit, int key);
  bool handleMouse(const Owner& owner, QObject* watched, QMouseEvent* event);
  // The hint of the control, or of the nearest parent that has one.
  static QString hintOf(const Control* control);

  Form& form_;
  QObject& filter_;
  AdapterSite& site_;
  std::unordered_map<const QObject*, Owner> owners_;
  std::vector<std::pair<StatusBar*, StatusBarWidget*>> hintBars_;
  const QObject* pressed_ = nullptr;
  // Runs while a notice holds the hint panels (owned by filter_).
  QTimer* noticeTime_ = nullptr;
  bool hintBehindNotice_ = false;
};

}  // namespace cq::ui
