#pragma once
// The widgets of a form's controls, made late: the whole window at its
// first frame or first need, and a container the user cannot see then (the
// page of a calculator not chosen) when it is first shown or asked for.
// Widgets made late are stacked as if every widget had been made at once;
// the focus chain runs in reading order, container by container.
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/form.h"
#include "ui_qt/control_adapter.h"

class QWidget;

namespace cq::ui {

struct ViewEntry {
  const ControlAdapter* adapter = nullptr;
  QWidget* widget = nullptr;
  ControlKind kind() const { return adapter->kind; }
};

// What the tree asks of the view as it builds.
class WidgetMaker {
 public:
  // Makes the control's widget under its parent's, enters it in the tree,
  // and returns it; null for a control without one.
  virtual QWidget* makeWidget(Control& control) = 0;
  // Shows the model's state in a widget just made.
  virtual void showState(Control& control, const ViewEntry& entry) = 0;
  // Gives the widget the focus if its control has the model's.
  virtual void showFocus(Control& control, const ViewEntry& entry) = 0;
  // Whether the window is on screen.
  virtual bool windowShown() const = 0;

 protected:
  ~WidgetMaker() = default;
};

// Shown by the model: visible, and the active page of a page control.
bool ShownInModel(const Control& control);

class WidgetTree {
 public:
  WidgetTree(Form& form, QWidget& clientArea, WidgetMaker& maker) : form_(form), client_(clientArea), maker_(maker) {}

  const ViewEntry* entryOf(const Control& control) const;
  void enter(const Control& control, ViewEntry entry) { entries_[&control] = entry; }
  // The widget a control's widget goes in: its parent's, or the client area.
  QWidget* parentWidgetOf(const Control& control) const;

  bool built() const { return built_; }
  // Every widget but those inside hidden containers, once.
  void buildContents();
  // The control's widget, with the containers around it that still wait.
  void buildFor(const Control& control);
  // The pages of a page control the model shows now, built if they wait.
  void buildShownPages(const Control& pageControl);
  // A control without a widget changed: a waiting container the model now
  // shows is built, a control inside one waits with it, and a control
  // created after the window was built gets its widget.
  void changedWithoutWidget(Control& control, Prop prop);
  // Puts the widgets in the focus chain in reading order (reading_order.h):
  // each container's children by their places, each with what it holds
  // before the next. Places move and radio groups grow items, so Tab asks
  // for it every time; the chain is linked again only when it changed.
  void orderFocusChain();

 private:
  void build(const Control& root, bool deferHidden);
  const Control* deferredRootOf(const Control& control) const;
  void keepStackingOrder(const Control& control);
  void stackGraphicControls(const Control& parent);
  void appendInReadingOrder(const Control& container, std::vector<QWidget*>& chain) const;
  void settleLayouts(const std::vector<Control*>& created);

  Form& form_;
  QWidget& client_;
  WidgetMaker& maker_;
  std::unordered_map<const Control*, ViewEntry> entries_;
  // Containers whose widgets wait until they are shown or asked for.
  std::unordered_set<const Control*> deferred_;
  // The focus chain as last linked.
  std::vector<QWidget*> chain_;
  bool built_ = false;
};

}  // namespace cq::ui
