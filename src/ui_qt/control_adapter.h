#pragma once
// One adapter per kind of control: how its widget is made, how the user's
// actions on the widget reach the model, and how the model's content shows
// in it. The form's view looks the adapter up in one table and keeps the
// bookkeeping (whose widget is which, focus, stacking, hints, pages): a new
// kind of control is a new adapter and a row in that table.
#include <QRect>
#include <vector>

#include "platform/controls.h"
#include "ui_qt/control_kind.h"

class QObject;
class QWidget;

namespace cq::ui {

class StatusBarWidget;

// What the view does for the adapters.
class AdapterSite {
 public:
  // The user's connections live as long as this object.
  virtual QObject& connectionContext() = 0;
  // Events of a part of the control's widget (an inner button, a viewport)
  // are the control's, as those of its own widget are. Once per part.
  virtual void ownPart(QWidget& part, Control& control) = 0;
  // The model's content shown again, after the user changed it: the model
  // may have decided otherwise. Nothing for a control without a widget.
  virtual void showContent(Control& control) = 0;
  // The control's widget placed again, after its content changed its size.
  virtual void showPlace(Control& control) = 0;
  // The pages of a page control placed in its frame and shown or hidden.
  virtual void showPages(Control& pageControl) = 0;
  // The control's look again. Nothing for a control without a widget.
  virtual void showStyle(Control& control) = 0;
  // The kind of the control's widget; None while it has none.
  virtual ControlKind kindOf(const Control& control) const = 0;
  // A status bar that shows the hint of what the mouse is over.
  virtual void addHintBar(StatusBar& bar, StatusBarWidget& widget) = 0;

 protected:
  ~AdapterSite() = default;
};

struct ControlAdapter {
  ControlKind kind = ControlKind::None;
  bool (*matches)(const Control& control) = nullptr;
  // The widget, under the parent's.
  QWidget* (*create)(QWidget* parent) = nullptr;
  // The user's actions on the widget, wired to the model's user entry
  // points. Null: the widget takes none of its own.
  void (*connect)(Control& control, QWidget& widget, AdapterSite& site) = nullptr;
  // The model's content shown in the widget; the view blocks the widget's
  // signals around it.
  void (*sync)(Control& control, QWidget& widget, AdapterSite& site) = nullptr;
  // Null, or what the kind makes of the designed rectangle before the
  // widget takes it.
  void (*place)(const Control& control, QWidget& widget, QRect& rect) = nullptr;
  // Null, or what the kind makes of a child's designed rectangle before the
  // child's widget takes it; widget is the kind's own.
  void (*placeChild)(QWidget& widget, QRect& childRect) = nullptr;
  // Null, or what else shows a change of the model's property, after the
  // view's own step for it.
  void (*changed)(Control& control, Prop prop, AdapterSite& site) = nullptr;
  // Null, or the focus given to the widget's own part (the view moves it
  // only when the control is the model's focused one).
  void (*focus)(QWidget& widget) = nullptr;
  // Null, or the parts that take the widget's place in the focus chain
  // (the items of a radio group).
  std::vector<QWidget*> (*focusParts)(QWidget& widget) = nullptr;

  // Drawn on its parent, beneath every windowed sibling (labels, pictures).
  bool graphic = false;
  // Takes no mouse input of its own and keeps it from its parents; a click
  // on it is the control's click.
  bool passive = false;
  // A click on it is the control's click, beside what the widget does.
  bool clickable = false;
  // The wheel over it without the focus scrolls the page, not its value.
  bool wheelNeedsFocus = false;
};

// The adapter of a control's kind, null for a control without a widget of
// its own (the form, menu items, timers, dialogs).
const ControlAdapter* AdapterFor(const Control& control);

// The adapters, by family.
extern const ControlAdapter kLabelAdapter, kEditAdapter, kMemoAdapter;
extern const ControlAdapter kCheckBoxAdapter, kRadioGroupAdapter, kComboBoxAdapter, kTrackBarAdapter, kUpDownAdapter;
extern const ControlAdapter kPanelAdapter, kGroupBoxAdapter, kTabControlAdapter, kPageControlAdapter;
extern const ControlAdapter kButtonAdapter, kImageAdapter, kProgressBarAdapter, kStatusBarAdapter, kButtonGroupAdapter;

// Whether a control is any of the model classes given.
template <typename... T>
bool IsAny(const Control& c) {
  return (dynamic_cast<const T*>(&c) || ...);
}

// An adapter's create step for a widget that needs nothing but its parent.
template <typename W>
QWidget* Make(QWidget* parent) {
  return new W(parent);
}

}  // namespace cq::ui
