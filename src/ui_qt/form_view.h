#pragma once
// The Qt window of one model form. It mirrors the model: every property
// write reaches the widget under a signal blocker, so Qt's signals for
// changes made by code never come back. Only the user's own actions (typing,
// clicks, key presses, focus, closing the window) go to the model's user
// entry points.
//
// The view dispatches; the jobs live beside it: the adapters of the control
// kinds (control_adapter.h), the style (control_style.h), the late building
// of the widgets (widget_tree.h), the menus (form_menus.h), the user's input
// (form_input.h) and the window's frame (form_window.h).
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"
#include "ui_qt/control_adapter.h"
#include "ui_qt/form_input.h"
#include "ui_qt/view_values.h"
#include "ui_qt/widget_tree.h"

class QAction;
class QMenuBar;

namespace cq::ui {

class FormMenus;

class FormView : public QWidget, public ControlObserver, private AdapterSite, private WidgetMaker {
  Q_OBJECT

 public:
  // Builds the window; it has no Qt parent, so disabling one window never
  // disables another.
  explicit FormView(Form& form);
  ~FormView() override;

  Form& form() const { return form_; }
  // The client area: the controls live here; this is what printing grabs.
  QWidget* clientArea() const { return client_; }
  // Null for a form without a menu.
  QMenuBar* menuBar() const { return menuBar_; }
  QWidget* widgetFor(const Control& control) const;
  QWidget* widgetFor(const std::string& name) const;
  template <typename W>
  W* widget(const std::string& name) const {
    return qobject_cast<W*>(widgetFor(name));
  }
  QAction* actionFor(const MenuItem& item) const;
  QPixmap grabClientArea() const;

  // The view of a form, or null when none is attached.
  static FormView* viewOf(const Form& form);
  static std::vector<FormView*> views();
  // Fonts and colours again, after the colour style changed.
  void restyle();
  static void restyleAll();
  // A word for the user in the status bar's hint panel, for at least ten
  // seconds whatever hints come meanwhile, then until the next hint; empty
  // takes it away.
  void showStatusNotice(const QString& text) {
    if (!destroying_) input_.showNotice(text);
  }

  void propertyChanged(Control& control, Prop prop) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Tab, and a focused widget that goes, move along the chain in reading
  // order as the controls stand now.
  bool focusNextPrevChild(bool next) override;

 private:
  // AdapterSite
  QObject& connectionContext() override { return *this; }
  void ownPart(QWidget& part, Control& control) override;
  void showContent(Control& control) override;
  void showPlace(Control& control) override;
  void showPages(Control& pageControl) override;
  void showStyle(Control& control) override;
  ControlKind kindOf(const Control& control) const override;
  void addHintBar(StatusBar& bar, StatusBarWidget& widget) override { input_.addHintBar(bar, widget); }

  // WidgetMaker
  QWidget* makeWidget(Control& control) override;
  void showState(Control& control, const ViewEntry& entry) override { syncState(control, entry); }
  void showFocus(Control& control, const ViewEntry& entry) override { syncFocus(control, entry); }
  bool windowShown() const override { return isVisible(); }

  // All but the style, which a widget gets as it is made: content, place,
  // state, visibility.
  void syncState(Control& control, const ViewEntry& entry);
  void syncContent(Control& control, const ViewEntry& entry);
  void syncGeometry(Control& control, const ViewEntry& entry);
  void syncVisible(Control& control, const ViewEntry& entry);
  void syncStyle(Control& control, const ViewEntry& entry);
  void syncStyleTree(Control& control);
  void syncFocus(Control& control, const ViewEntry& entry);
  void syncCursor(Control& control, const ViewEntry& entry);
  void syncForm(Prop prop);
  void showWindow();
  void applyWindowFlags();
  void showStatusHint(const QString& hint);
  const ViewEntry* entryOf(const Control& control) const { return tree_->entryOf(control); }

  Form& form_;
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  std::unique_ptr<FormMenus> menus_;
  std::unique_ptr<WidgetTree> tree_;
  FormInput input_;
  bool shownOnce_ = false;
  bool destroying_ = false;
};

}  // namespace cq::ui
