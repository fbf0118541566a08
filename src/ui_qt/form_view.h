#pragma once
// The Qt window of one model form. It mirrors the model: every property
// write reaches the widget under a signal blocker, so Qt's signals for
// changes made by code never come back. Only the user's own actions (typing,
// clicks, key presses, focus, closing the window) go to the model's user
// entry points.
#include <QWidget>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/form.h"
#include "ui_qt/control_kind.h"
#include "ui_qt/view_values.h"

class QAction;
class QKeyEvent;
class QMenuBar;

namespace cq::ui {

class FormMenus;
class StatusBarWidget;

class FormView : public QWidget, public ControlObserver {
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
  // A word for the user in the status bar's hint panel, until the next hint.
  void showStatusNotice(const QString& text) { showStatusHint(text); }

  void propertyChanged(Control& control, Prop prop) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  using Kind = ControlKind;
  struct Entry {
    Kind kind = Kind::None;
    QWidget* widget = nullptr;
  };
  struct Owner {
    Control* control = nullptr;
    bool main = true;  // false for a part of the control's widget
  };

  static Kind kindOf(const Control& control);
  // Shown by the model: visible, and the active page of a page control.
  static bool shownInModel(const Control& control);
  // The widgets of the controls: the whole window at its first frame or
  // first need, a container hidden then when it is first shown or needed.
  void buildContents();
  void buildFor(const Control& control);
  void build(const Control& root, bool deferHidden);
  const Control* deferredRootOf(const Control& control) const;
  void keepStackingOrder(const Control& control);
  void orderFocusChain();
  void settleLayouts(const std::vector<Control*>& created);
  QWidget* parentWidgetOf(const Control& control) const;
  QWidget* createWidget(Control& control);
  void connectUserEvents(Control& control, Kind kind, QWidget* widget);
  void own(QWidget* widget, Control& control, bool main);
  void stackGraphicControls(const Control& parent);

  // All but the style, which a widget gets as it is made: content, place,
  // state, visibility.
  void syncState(Control& control, const Entry& entry);
  void syncContent(Control& control, const Entry& entry);
  void syncGeometry(Control& control, const Entry& entry);
  void syncVisible(Control& control, const Entry& entry);
  void syncStyle(Control& control, const Entry& entry);
  void syncStyleTree(Control& control);
  void syncFocus(Control& control, const Entry& entry);
  void syncPages(Control& pageControl);
  void syncForm(Prop prop);
  void showWindow();
  void applyWindowFlags();

  bool handleKey(Control& control, QObject* watched, QKeyEvent* event);
  void showStatusHint(const QString& hint);
  QString statusHintOf(const Control* control) const;
  const Entry* entryOf(const Control& control) const;

  Form& form_;
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  std::unordered_map<const Control*, Entry> entries_;
  std::unordered_map<const QObject*, Owner> owners_;
  std::unique_ptr<FormMenus> menus_;
  std::unordered_map<const Control*, std::string> statusPanel0_;
  std::vector<std::pair<StatusBar*, StatusBarWidget*>> hintBars_;
  const QObject* pressed_ = nullptr;
  std::unordered_set<const Control*> deferred_;
  bool built_ = false;
  bool shownOnce_ = false;
  bool destroying_ = false;
};

}  // namespace cq::ui
