#include "ui_qt/form_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "ui_qt/control_style.h"
#include "ui_qt/form_menus.h"
#include "ui_qt/form_window.h"
#include "ui_qt/start_frame_gate.h"
#include "ui_qt/theme.h"

namespace cq::ui {

namespace {

std::vector<FormView*>& registry() {
  static std::vector<FormView*> views;
  return views;
}

}  // namespace

FormView::FormView(Form& form) : QWidget(nullptr), form_(form), input_(form, *this, *this) {
  setObjectName(ToQString(form.name() + "Window"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  if (MainMenu* menu = form.menu()) {
    // The menus always stay in the window; saying so before the first bar
    // exists also spares each bar the session-bus probe for a global menu.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    layout->setMenuBar(menuBar_);
    menus_ = std::make_unique<FormMenus>(*menu, *menuBar_, *this, [this](const QString& hint) { showStatusHint(hint); });
  }
  client_ = new QWidget(this);
  client_->setObjectName(ToQString(form.name()));
  layout->addWidget(client_);
  tree_ = std::make_unique<WidgetTree>(form, *client_, static_cast<WidgetMaker&>(*this));
  input_.own(*client_, form, nullptr, true);
  client_->setMouseTracking(true);

  applyWindowFlags();
  syncForm(Prop::Caption);
  syncForm(Prop::Bounds);
  syncForm(Prop::Font);
  syncForm(Prop::Enabled);
  form.addObserver(this);
  registry().push_back(this);
  syncForm(Prop::Visible);
}

FormView::~FormView() {
  // The widgets go while the maps they report through still exist; what
  // they report on the way is ignored.
  destroying_ = true;
  StartFrameGate::released(this);
  form_.removeObserver(this);
  auto& views = registry();
  views.erase(std::remove(views.begin(), views.end(), this), views.end());
  delete menuBar_;
  menuBar_ = nullptr;
  delete client_;
  client_ = nullptr;
}

FormView* FormView::viewOf(const Form& form) {
  for (FormView* v : registry())
    if (&v->form_ == &form) return v;
  return nullptr;
}

std::vector<FormView*> FormView::views() { return registry(); }

void FormView::restyleAll() {
  for (FormView* v : registry()) v->restyle();
}

void FormView::restyle() {
  syncForm(Prop::Font);
  for (Control* c : form_.allControls())
    if (const ViewEntry* e = entryOf(*c)) {
      syncStyle(*c, *e);
      syncGeometry(*c, *e);
    }
}

QWidget* FormView::widgetFor(const Control& control) const {
  if (&control == &form_) return client_;
  // Whoever asks for a widget gets it built, hidden page or not.
  tree_->buildFor(control);
  const ViewEntry* e = entryOf(control);
  return e ? e->widget : nullptr;
}

QWidget* FormView::widgetFor(const std::string& name) const {
  const Control* c = form_.find(name);
  return c ? widgetFor(*c) : nullptr;
}

QAction* FormView::actionFor(const MenuItem& item) const { return menus_ ? menus_->actionFor(item) : nullptr; }

QPixmap FormView::grabClientArea() const {
  tree_->buildContents();
  return client_->grab();
}

QWidget* FormView::makeWidget(Control& control) {
  const ControlAdapter* adapter = AdapterFor(control);
  if (!adapter) return nullptr;
  QWidget* parent = tree_->parentWidgetOf(control);
  if (!parent) return nullptr;
  QWidget* w = adapter->create(parent);
  w->setObjectName(ToQString(control.name()));
  tree_->enter(control, {adapter, w});
  input_.own(*w, control, adapter, true);
  if (adapter->connect) adapter->connect(control, *w, *this);
  // The sheet before any child of its own exists or anything is shown: a
  // sheet set on a widget with polished children polishes them all again.
  syncStyle(control, *entryOf(control));
  return w;
}

void FormView::ownPart(QWidget& part, Control& control) {
  if (input_.owns(part)) return;
  input_.own(part, control, entryOf(control)->adapter, false);
}

void FormView::showContent(Control& control) {
  if (const ViewEntry* e = entryOf(control)) syncContent(control, *e);
}

void FormView::showPlace(Control& control) {
  if (const ViewEntry* e = entryOf(control)) syncGeometry(control, *e);
}

void FormView::showPages(Control& pageControl) {
  tree_->buildShownPages(pageControl);
  for (Control* page : pageControl.children())
    if (const ViewEntry* e = entryOf(*page)) {
      syncGeometry(*page, *e);
      syncVisible(*page, *e);
    }
}

void FormView::showStyle(Control& control) {
  if (const ViewEntry* e = entryOf(control)) syncStyle(control, *e);
}

ControlKind FormView::kindOf(const Control& control) const {
  const ViewEntry* e = entryOf(control);
  return e ? e->kind() : ControlKind::None;
}

void FormView::syncState(Control& control, const ViewEntry& entry) {
  syncContent(control, entry);
  syncGeometry(control, entry);
  entry.widget->setEnabled(control.enabled());
  entry.widget->setToolTip(ShortHint(control.hint()));
  syncCursor(control, entry);
  syncVisible(control, entry);
}

void FormView::syncContent(Control& control, const ViewEntry& entry) {
  if (!entry.adapter->sync) return;
  const QSignalBlocker block(entry.widget);
  entry.adapter->sync(control, *entry.widget, *this);
}

void FormView::syncGeometry(Control& control, const ViewEntry& entry) {
  const Bounds& b = control.bounds();
  QRect r(b.left, b.top, b.width, b.height);
  if (control.parent())
    if (const ViewEntry* parent = entryOf(*control.parent()); parent && parent->adapter->placeChild)
      parent->adapter->placeChild(*parent->widget, r);
  if (entry.adapter->place) entry.adapter->place(control, *entry.widget, r);
  if (entry.widget->geometry() != r) entry.widget->setGeometry(r);
}

void FormView::syncVisible(Control& control, const ViewEntry& entry) { entry.widget->setVisible(ShownInModel(control)); }

void FormView::syncStyle(Control& control, const ViewEntry& entry) {
  const WidgetStyle style = StyleFor(control, entry.kind(), ActiveTheme(), QApplication::palette());
  QWidget* w = entry.widget;
  if (w->styleSheet() != style.sheet) w->setStyleSheet(style.sheet);
  w->setFont(style.font);
}

void FormView::syncStyleTree(Control& control) {
  if (const ViewEntry* e = entryOf(control)) {
    syncStyle(control, *e);
    syncGeometry(control, *e);
  }
  for (Control* child : control.children()) syncStyleTree(*child);
}

void FormView::syncFocus(Control& control, const ViewEntry& entry) {
  if (form_.focused() != &control) return;
  if (entry.adapter->focus) {
    entry.adapter->focus(*entry.widget);
  } else if (!entry.widget->hasFocus()) {
    entry.widget->setFocus(Qt::OtherFocusReason);
  }
}

void FormView::syncCursor(Control& control, const ViewEntry& entry) {
  if (control.handCursor())
    entry.widget->setCursor(Qt::PointingHandCursor);
  else
    entry.widget->unsetCursor();
}

void FormView::applyWindowFlags() {
  setWindowFlags(WindowFlagsFor(form_));
  const bool fixed = form_.borderStyle() != BorderStyle::Sizeable;
  layout()->setSizeConstraint(fixed ? QLayout::SetFixedSize : QLayout::SetDefaultConstraint);
}

void FormView::syncForm(Prop prop) {
  switch (prop) {
    case Prop::Caption: setWindowTitle(ToQString(form_.caption())); break;
    case Prop::Bounds: {
      const QSize size(form_.clientWidth(), form_.clientHeight());
      if (form_.borderStyle() == BorderStyle::Sizeable) {
        client_->setMinimumSize(size);
        client_->resize(size);
      } else {
        client_->setFixedSize(size);
      }
      break;
    }
    case Prop::Font:
    case Prop::Color: {
      client_->setFont(ToQFont(EffectiveFont(form_)));
      const QString sheet = ClientAreaSheet(form_, ActiveTheme());
      if (client_->styleSheet() != sheet) client_->setStyleSheet(sheet);
      break;
    }
    case Prop::Enabled: setEnabled(form_.enabled()); break;
    case Prop::Visible:
      if (form_.visible()) {
        if (StartFrameGate::admit(this, [this] {
              if (form_.visible()) showWindow();
            }))
          showWindow();
      } else {
        StartFrameGate::released(this);
        hide();
      }
      break;
    case Prop::Hint: client_->setToolTip(ShortHint(form_.hint())); break;
    case Prop::Focus: break;
    default: break;
  }
}

void FormView::showWindow() {
  if (!shownOnce_ && form_.centered()) CentreOnScreen(*this);
  shownOnce_ = true;
  show();
  // The controls come with the first frame, after the show handler has
  // hidden what it hides.
  if (!tree_->built() && windowHandle()) windowHandle()->installEventFilter(this);
  raise();
  activateWindow();
}

void FormView::propertyChanged(Control& control, Prop prop) {
  if (destroying_) return;
  if (&control == &form_) {
    syncForm(prop);
    return;
  }
  if (auto* item = dynamic_cast<MenuItem*>(&control)) {
    if (menus_) menus_->sync(*item);
    return;
  }
  if (!tree_->built()) return;  // built from the model when first shown
  const ViewEntry* entry = entryOf(control);
  if (!entry) {
    tree_->changedWithoutWidget(control, prop);
    return;
  }
  switch (prop) {
    case Prop::Bounds: syncGeometry(control, *entry); break;
    case Prop::Visible: syncVisible(control, *entry); break;
    case Prop::Enabled: entry->widget->setEnabled(control.enabled()); break;
    case Prop::Hint: entry->widget->setToolTip(ShortHint(control.hint())); break;
    case Prop::Font:
    case Prop::Color: syncStyleTree(control); break;
    case Prop::Cursor: syncCursor(control, *entry); break;
    case Prop::Focus: syncFocus(control, *entry); break;
    default: syncContent(control, *entry); break;
  }
  if (entry->adapter->changed) entry->adapter->changed(control, prop, *this);
}

void FormView::showStatusHint(const QString& hint) {
  if (destroying_) return;
  input_.showHint(hint);
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  if (destroying_) return false;
  if (watched == windowHandle()) {
    if (event->type() == QEvent::Expose) {
      tree_->buildContents();
      StartFrameGate::exposed(this);
    }
    return false;
  }
  return input_.handle(watched, event);
}

bool FormView::focusNextPrevChild(bool next) {
  if (!destroying_) tree_->orderFocusChain();
  return QWidget::focusNextPrevChild(next);
}

void FormView::closeEvent(QCloseEvent* event) {
  // The model decides: its close hides the window through Visible.
  event->ignore();
  form_.userClose();
}

}  // namespace cq::ui
