#include "ui_qt/form_view.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QApplication>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "platform/button_group.h"
#include "platform/resources.h"
#include "ui_qt/button_group_widget.h"
#include "ui_qt/control_style.h"
#include "ui_qt/form_menus.h"
#include "ui_qt/form_window.h"
#include "ui_qt/keys.h"
#include "ui_qt/multi_row_tab_strip.h"
#include "ui_qt/start_frame_gate.h"
#include "ui_qt/theme.h"
#include "ui_qt/view_values.h"
#include "ui_qt/widgets.h"

namespace cq::ui {

namespace {

std::vector<FormView*>& registry() {
  static std::vector<FormView*> views;
  return views;
}

// Typing stops at the field's limit, counted in QChars: the UTF-16 units
// the model counts. A longer text written by code still shows whole (a
// QLineEdit cuts what it is given at its limit). Setting a limit puts the
// cursor at the end, so it is set only when it differs.
void LimitTyping(QLineEdit& le, int maxLength, const QString& text) {
  constexpr int kQLineEditDefault = 32767;
  const int limit = maxLength > 0 ? std::max(maxLength, static_cast<int>(text.size())) : kQLineEditDefault;
  if (le.maxLength() != limit) le.setMaxLength(limit);
}

// A QLineEdit cuts an insertion at its limit even between the two halves
// of a surrogate pair; the half character left behind is taken out again.
void DropHalfCharacters(QLineEdit& le) {
  QString text = le.text();
  int cursor = le.cursorPosition();
  bool dropped = false;
  for (qsizetype i = 0; i < text.size();) {
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      i += 2;
    } else if (text.at(i).isSurrogate()) {
      text.remove(i, 1);
      if (i < cursor) --cursor;
      dropped = true;
    } else {
      ++i;
    }
  }
  if (!dropped) return;
  le.setText(text);
  le.setCursorPosition(cursor);
}

}  // namespace

FormView::FormView(Form& form) : QWidget(nullptr), form_(form) {
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
  own(client_, form, true);
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
    if (const Entry* e = entryOf(*c)) {
      syncStyle(*c, *e);
      syncGeometry(*c, *e);
    }
}

const FormView::Entry* FormView::entryOf(const Control& control) const {
  auto it = entries_.find(&control);
  return it == entries_.end() ? nullptr : &it->second;
}

QWidget* FormView::widgetFor(const Control& control) const {
  if (&control == &form_) return client_;
  // Whoever asks for a widget gets it built, hidden page or not.
  const_cast<FormView*>(this)->buildFor(control);
  const Entry* e = entryOf(control);
  return e ? e->widget : nullptr;
}

QWidget* FormView::widgetFor(const std::string& name) const {
  const Control* c = form_.find(name);
  return c ? widgetFor(*c) : nullptr;
}

QAction* FormView::actionFor(const MenuItem& item) const { return menus_ ? menus_->actionFor(item) : nullptr; }

QPixmap FormView::grabClientArea() const {
  const_cast<FormView*>(this)->buildContents();
  return client_->grab();
}

bool FormView::shownInModel(const Control& control) {
  if (!control.visible()) return false;
  auto* pages = dynamic_cast<const PageControl*>(control.parent());
  if (!pages) return true;
  const auto& siblings = pages->children();
  return std::find(siblings.begin(), siblings.end(), &control) - siblings.begin() == pages->activePage();
}

const Control* FormView::deferredRootOf(const Control& control) const {
  const Control* root = nullptr;
  for (const Control* c = &control; c && c != &form_; c = c->parent())
    if (deferred_.count(c)) root = c;
  return root;
}

void FormView::buildContents() {
  if (built_) return;
  built_ = true;
  // Containers the user cannot see (the pages of the calculators not
  // chosen) get their widgets when they are first shown.
  build(form_, true);
}

void FormView::buildFor(const Control& control) {
  buildContents();
  while (!entryOf(control)) {
    const Control* root = deferredRootOf(control);
    if (!root) return;
    deferred_.erase(root);
    build(*root, false);
  }
}

void FormView::build(const Control& root, bool deferHidden) {
  auto inside = [&root](const Control* c) {
    for (; c; c = c->parent())
      if (c == &root) return true;
    return false;
  };
  std::vector<Control*> created;
  if (&root != &form_) {
    // The root first: its children need it as their parent.
    auto& self = const_cast<Control&>(root);
    if (createWidget(self)) {
      created.push_back(&self);
      keepStackingOrder(self);
    }
  }
  for (Control* c : form_.allControls()) {
    if (c == &root || !inside(c) || deferredRootOf(*c)) continue;
    if (deferHidden && kindOf(*c) != Kind::None && !shownInModel(*c)) {
      deferred_.insert(c);
      continue;
    }
    if (createWidget(*c)) created.push_back(c);
  }
  stackGraphicControls(root.parent() ? *root.parent() : root);
  stackGraphicControls(root);
  for (Control* c : created) {
    syncState(*c, *entryOf(*c));
    stackGraphicControls(*c);
  }
  if (&root != &form_) orderFocusChain();
  // Made inside a window already on screen: their layouts settle before
  // the frame is drawn, as they would have when the window was shown.
  if (isVisible()) settleLayouts(created);
  if (Control* focused = form_.focused())
    if (const Entry* e = entryOf(*focused)) syncFocus(*focused, *e);
}

void FormView::settleLayouts(const std::vector<Control*>& created) {
  std::vector<QObject*> objects;
  const std::unordered_set<const Control*> made(created.begin(), created.end());
  for (Control* c : created) {
    if (made.count(c->parent())) continue;  // reached through its parent
    QWidget* w = entryOf(*c)->widget;
    objects.push_back(w);
    for (QObject* child : w->findChildren<QObject*>()) objects.push_back(child);
  }
  // A layout that settles asks its parent to settle again: twice is enough.
  for (int pass = 0; pass < 2; ++pass)
    for (QObject* o : objects) QCoreApplication::sendPostedEvents(o, 0);
}

void FormView::keepStackingOrder(const Control& control) {
  // Under the siblings made after it, as if it had been made with them.
  const auto& siblings = control.parent()->children();
  auto it = std::find(siblings.begin(), siblings.end(), &control);
  for (++it; it != siblings.end(); ++it)
    if (const Entry* e = entryOf(**it); e && e->kind != Kind::Label && e->kind != Kind::Image) {
      entryOf(control)->widget->stackUnder(e->widget);
      return;
    }
}

void FormView::orderFocusChain() {
  // As if every widget had been built at once: the controls in creation
  // order, then the items of the radio groups, which their first filling
  // makes after all the controls.
  std::vector<QWidget*> chain;
  std::vector<QWidget*> radios;
  for (Control* c : form_.allControls()) {
    const Entry* e = entryOf(*c);
    if (!e) continue;
    if (e->kind == Kind::RadioGroup) {
      for (QRadioButton* b : static_cast<RadioGroupWidget*>(e->widget)->allButtons())
        if (b->focusPolicy() != Qt::NoFocus) radios.push_back(b);
    } else if (e->widget->focusPolicy() != Qt::NoFocus) {
      chain.push_back(e->widget);
    }
  }
  chain.insert(chain.end(), radios.begin(), radios.end());
  for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

FormView::Kind FormView::kindOf(const Control& c) {
  if (dynamic_cast<const MenuItem*>(&c) || dynamic_cast<const Timer*>(&c) || dynamic_cast<const DialogComponent*>(&c) ||
      dynamic_cast<const Form*>(&c))
    return Kind::None;
  if (dynamic_cast<const Memo*>(&c)) return Kind::Memo;
  if (dynamic_cast<const Edit*>(&c)) return Kind::Edit;
  // A shape draws as a plain coloured panel: a swatch.
  if (dynamic_cast<const Panel*>(&c) || dynamic_cast<const Shape*>(&c)) return Kind::Panel;
  if (dynamic_cast<const GroupBox*>(&c)) return Kind::GroupBox;
  if (dynamic_cast<const Label*>(&c)) return Kind::Label;
  if (dynamic_cast<const Button*>(&c)) return Kind::Button;
  if (dynamic_cast<const CheckBox*>(&c)) return Kind::CheckBox;
  if (dynamic_cast<const RadioGroup*>(&c)) return Kind::RadioGroup;
  if (dynamic_cast<const ComboBox*>(&c)) return Kind::ComboBox;
  if (dynamic_cast<const TrackBar*>(&c)) return Kind::TrackBar;
  if (dynamic_cast<const UpDown*>(&c)) return Kind::UpDown;
  if (dynamic_cast<const TabControl*>(&c)) return Kind::TabControl;
  if (dynamic_cast<const PageControl*>(&c)) return Kind::PageControl;
  if (dynamic_cast<const Image*>(&c)) return Kind::Image;
  if (dynamic_cast<const ProgressBar*>(&c)) return Kind::ProgressBar;
  if (dynamic_cast<const StatusBar*>(&c)) return Kind::StatusBar;
  if (dynamic_cast<const ButtonGroup*>(&c)) return Kind::ButtonGroup;
  return Kind::None;
}

QWidget* FormView::parentWidgetOf(const Control& control) const {
  const Control* p = control.parent();
  if (!p || p == &form_) return client_;
  const Entry* e = entryOf(*p);
  return e ? e->widget : nullptr;
}

void FormView::own(QWidget* widget, Control& control, bool main) {
  owners_[widget] = {&control, main};
  widget->installEventFilter(this);
}

QWidget* FormView::createWidget(Control& control) {
  const Kind kind = kindOf(control);
  if (kind == Kind::None) return nullptr;
  QWidget* parent = parentWidgetOf(control);
  if (!parent) return nullptr;
  QWidget* w = nullptr;
  switch (kind) {
    case Kind::Panel: w = new PanelWidget(parent); break;
    case Kind::GroupBox: w = new QGroupBox(parent); break;
    case Kind::Label: {
      auto* l = new QLabel(parent);
      l->setTextFormat(Qt::PlainText);
      w = l;
      break;
    }
    case Kind::Edit: w = new QLineEdit(parent); break;
    case Kind::Memo: {
      auto* m = new QPlainTextEdit(parent);
      m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      m->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      w = m;
      break;
    }
    case Kind::Button: {
      auto* b = new QPushButton(parent);
      b->setAutoDefault(false);
      w = b;
      break;
    }
    case Kind::CheckBox: w = new QCheckBox(parent); break;
    case Kind::RadioGroup: w = new RadioGroupWidget(parent); break;
    case Kind::ComboBox: w = new QComboBox(parent); break;
    case Kind::TrackBar: {
      auto* s = new QSlider(parent);
      s->setTickPosition(QSlider::TicksBelow);
      s->setTickInterval(1);
      s->setPageStep(2);
      w = s;
      break;
    }
    case Kind::UpDown: w = new UpDownWidget(parent); break;
    case Kind::TabControl: w = new MultiRowTabStrip(parent); break;
    case Kind::PageControl: {
      auto* strip = new MultiRowTabStrip(parent);
      strip->setMultiRow(false);
      w = strip;
      break;
    }
    case Kind::Image: w = new SvgImageWidget(parent); break;
    case Kind::ProgressBar: {
      auto* p = new QProgressBar(parent);
      p->setTextVisible(false);
      w = p;
      break;
    }
    case Kind::StatusBar: {
      auto* sb = new StatusBarWidget(parent);
      w = sb;
      break;
    }
    case Kind::ButtonGroup: w = new ButtonGroupWidget(parent); break;
    case Kind::None: return nullptr;
  }
  w->setObjectName(ToQString(control.name()));
  entries_[&control] = {kind, w};
  own(w, control, true);
  connectUserEvents(control, kind, w);
  // The sheet before any child of its own exists or anything is shown: a
  // sheet set on a widget with polished children polishes them all again.
  syncStyle(control, entries_[&control]);
  return w;
}

void FormView::connectUserEvents(Control& control, Kind kind, QWidget* w) {
  Control* c = &control;
  switch (kind) {
    case Kind::Edit: {
      auto* le = static_cast<QLineEdit*>(w);
      auto* edit = static_cast<Edit*>(c);
      connect(le, &QLineEdit::textEdited, this, [this, edit, le] {
        DropHalfCharacters(*le);
        edit->userSetText(le->text().toStdString());
        if (const Entry* e = entryOf(*edit)) syncContent(*edit, *e);
      });
      break;
    }
    case Kind::Memo: {
      auto* m = static_cast<QPlainTextEdit*>(w);
      auto* memo = static_cast<Memo*>(c);
      own(m->viewport(), control, false);
      // Code writes are blocked, so what arrives here is the user's typing.
      connect(m, &QPlainTextEdit::textChanged, this, [this, memo, m] {
        memo->userSetText(m->toPlainText().toStdString());
        if (const Entry* e = entryOf(*memo)) syncContent(*memo, *e);
      });
      break;
    }
    case Kind::Button:
      connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this, [c] { c->userClick(); });
      break;
    case Kind::CheckBox:
      connect(static_cast<QCheckBox*>(w), &QCheckBox::clicked, this, [this, c] {
        c->userClick();
        // The box shows what the model decided, whatever Qt toggled.
        if (const Entry* e = entryOf(*c)) syncContent(*c, *e);
      });
      break;
    case Kind::RadioGroup: {
      auto* rg = static_cast<RadioGroupWidget*>(w);
      auto* radio = static_cast<RadioGroup*>(c);
      connect(rg, &RadioGroupWidget::itemClicked, this, [this, radio](int index) {
        radio->userSelect(index);
        if (const Entry* e = entryOf(*radio)) syncContent(*radio, *e);
      });
      break;
    }
    case Kind::ComboBox: {
      auto* cb = static_cast<QComboBox*>(w);
      auto* combo = static_cast<ComboBox*>(c);
      connect(cb, &QComboBox::activated, this, [this, combo](int index) {
        combo->userSelect(index);
        if (const Entry* e = entryOf(*combo)) syncContent(*combo, *e);
      });
      break;
    }
    case Kind::TrackBar: {
      auto* s = static_cast<QSlider*>(w);
      auto* track = static_cast<TrackBar*>(c);
      connect(s, &QSlider::valueChanged, this, [this, track](int value) {
        track->userSetPosition(value);
        if (const Entry* e = entryOf(*track)) syncContent(*track, *e);
      });
      break;
    }
    case Kind::UpDown: {
      auto* ud = static_cast<UpDownWidget*>(w);
      auto* upDown = static_cast<UpDown*>(c);
      own(ud->upButton(), control, false);
      own(ud->downButton(), control, false);
      connect(ud, &UpDownWidget::upClicked, this, [upDown] { upDown->userClick(UpDownButton::Up); });
      connect(ud, &UpDownWidget::downClicked, this, [upDown] { upDown->userClick(UpDownButton::Down); });
      break;
    }
    case Kind::TabControl: {
      auto* strip = static_cast<MultiRowTabStrip*>(w);
      auto* tabs = static_cast<TabControl*>(c);
      connect(strip, &MultiRowTabStrip::tabClicked, this, [this, tabs](int index) {
        tabs->userSelect(index);
        if (const Entry* e = entryOf(*tabs)) syncContent(*tabs, *e);
      });
      break;
    }
    case Kind::PageControl: {
      auto* strip = static_cast<MultiRowTabStrip*>(w);
      auto* pages = static_cast<PageControl*>(c);
      connect(strip, &MultiRowTabStrip::tabClicked, this, [this, pages](int index) {
        pages->userSelect(index);
        if (const Entry* e = entryOf(*pages)) syncContent(*pages, *e);
      });
      connect(strip, &MultiRowTabStrip::pageRectChanged, this, [this, pages] { syncPages(*pages); });
      break;
    }
    case Kind::ButtonGroup: {
      auto* view = static_cast<ButtonGroupWidget*>(w);
      auto* group = static_cast<ButtonGroup*>(c);
      connect(view, &ButtonGroupWidget::itemClicked, this, [group](int index) { group->userClickItem(index); });
      connect(view, &ButtonGroupWidget::itemMoved, this, [group](int from, int to) { group->userMoveItem(from, to); });
      break;
    }
    case Kind::StatusBar: {
      auto* bar = static_cast<StatusBar*>(c);
      if (bar->autoHint()) hintBars_.emplace_back(bar, static_cast<StatusBarWidget*>(w));
      break;
    }
    default: break;
  }
}

void FormView::stackGraphicControls(const Control& parent) {
  // Labels and pictures draw on their parent, beneath every windowed
  // sibling, in creation order among themselves.
  const auto& children = parent.children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    const Entry* e = entryOf(**it);
    if (e && (e->kind == Kind::Label || e->kind == Kind::Image)) e->widget->lower();
  }
}

void FormView::syncState(Control& control, const Entry& entry) {
  syncContent(control, entry);
  syncGeometry(control, entry);
  entry.widget->setEnabled(control.enabled());
  entry.widget->setToolTip(ShortHint(control.hint()));
  if (control.handCursor())
    entry.widget->setCursor(Qt::PointingHandCursor);
  else
    entry.widget->unsetCursor();
  syncVisible(control, entry);
}

void FormView::syncGeometry(Control& control, const Entry& entry) {
  const Bounds& b = control.bounds();
  QRect r(b.left, b.top, b.width, b.height);
  if (control.parent() && dynamic_cast<PageControl*>(control.parent())) {
    // A page fills its page control's frame, whatever its own bounds say.
    if (auto* strip = qobject_cast<MultiRowTabStrip*>(entry.widget->parentWidget()))
      r = strip->pageRect().adjusted(2, 2, -2, -2);
  }
  if (entry.kind == Kind::Label) {
    auto& label = static_cast<Label&>(control);
    if (!label.wordWrap()) {
      // Labels size themselves to their text; they never shrink below the
      // designed bounds.
      auto* l = static_cast<QLabel*>(entry.widget);
      const QSize text = l->fontMetrics().size(Qt::TextSingleLine, l->text());
      r.setWidth(std::max(r.width(), text.width() + 1));
      r.setHeight(std::max(r.height(), text.height()));
    }
  }
  if (entry.widget->geometry() != r) entry.widget->setGeometry(r);
  if (entry.kind == Kind::TrackBar) {
    auto* s = static_cast<QSlider*>(entry.widget);
    s->setOrientation(b.height > b.width ? Qt::Vertical : Qt::Horizontal);
  }
}

void FormView::syncVisible(Control& control, const Entry& entry) {
  bool shown = control.visible();
  if (auto* pages = dynamic_cast<PageControl*>(control.parent())) {
    const auto& siblings = pages->children();
    const auto index = std::find(siblings.begin(), siblings.end(), &control) - siblings.begin();
    shown = shown && index == pages->activePage();
  }
  entry.widget->setVisible(shown);
}

void FormView::syncStyle(Control& control, const Entry& entry) {
  const WidgetStyle style = StyleFor(control, entry.kind, ActiveTheme(), QApplication::palette());
  QWidget* w = entry.widget;
  if (w->styleSheet() != style.sheet) w->setStyleSheet(style.sheet);
  w->setFont(style.font);
}

void FormView::syncStyleTree(Control& control) {
  if (const Entry* e = entryOf(control)) {
    syncStyle(control, *e);
    syncGeometry(control, *e);
  }
  for (Control* child : control.children()) syncStyleTree(*child);
}

void FormView::syncFocus(Control& control, const Entry& entry) {
  if (form_.focused() != &control) return;
  QWidget* target = entry.widget;
  if (entry.kind == Kind::RadioGroup) {
    auto* rg = static_cast<RadioGroupWidget*>(entry.widget);
    // The focus on any item is the group's. Moving it to the selected item
    // would take it from an item being pressed, and a button that loses the
    // focus drops its press: the click that activates the window gives the
    // focus after its press, so that click would be lost.
    if (QWidget* focused = QApplication::focusWidget(); focused && rg->isAncestorOf(focused)) return;
    if (QRadioButton* b = rg->button(std::max(0, rg->checkedIndex()))) target = b;
  }
  if (!target->hasFocus()) target->setFocus(Qt::OtherFocusReason);
}

void FormView::syncPages(Control& pageControl) {
  for (Control* page : pageControl.children())
    if (deferred_.count(page) && shownInModel(*page)) buildFor(*page);
  for (Control* page : pageControl.children())
    if (const Entry* e = entryOf(*page)) {
      syncGeometry(*page, *e);
      syncVisible(*page, *e);
    }
}

void FormView::syncContent(Control& control, const Entry& entry) {
  QWidget* w = entry.widget;
  const QSignalBlocker block(w);
  switch (entry.kind) {
    case Kind::Panel: {
      auto* p = static_cast<PanelWidget*>(w);
      p->setCaption(ToQString(control.caption()));
      p->setCaptionShown(!dynamic_cast<PageControl*>(control.parent()));
      if (auto* pages = dynamic_cast<PageControl*>(control.parent()))
        if (const Entry* pe = entryOf(*pages)) syncContent(*pages, *pe);
      break;
    }
    case Kind::GroupBox: static_cast<QGroupBox*>(w)->setTitle(ToQString(control.caption())); break;
    case Kind::Label: {
      auto& label = static_cast<Label&>(control);
      auto* l = static_cast<QLabel*>(w);
      const QString text = LabelText(label.caption());
      if (l->text() != text) l->setText(text);
      l->setAlignment(HorizontalAlignment(label.alignment()) | Qt::AlignTop);
      l->setWordWrap(label.wordWrap());
      syncGeometry(control, entry);
      break;
    }
    case Kind::Edit: {
      auto& edit = static_cast<Edit&>(control);
      auto* le = static_cast<QLineEdit*>(w);
      const QString text = ToQString(edit.text());
      const int cursor = le->cursorPosition();
      LimitTyping(*le, edit.maxLength(), text);
      if (le->text() != text) {
        le->setText(text);
        if (le->hasFocus()) le->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
      }
      le->setReadOnly(edit.readOnly());
      le->setFocusPolicy(edit.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
      le->setAlignment(HorizontalAlignment(edit.alignment()) | Qt::AlignVCenter);
      break;
    }
    case Kind::Memo: {
      auto& memo = static_cast<Memo&>(control);
      auto* m = static_cast<QPlainTextEdit*>(w);
      const QString text = ToQString(memo.text());
      if (m->toPlainText() != text) m->setPlainText(text);
      m->setReadOnly(memo.readOnly());
      m->setFocusPolicy(memo.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
      m->setLineWrapMode(memo.wordWrap() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
      break;
    }
    case Kind::Button: {
      auto& button = static_cast<Button&>(control);
      auto* b = static_cast<QPushButton*>(w);
      b->setText(ToQString(button.caption()));
      if (!button.glyph().empty() && hasResource(button.glyph())) {
        const std::string_view svg = resource(button.glyph());
        const int side = button.caption().empty() ? std::max(8, std::min(button.bounds().width, button.bounds().height) - 8) : 16;
        const QPixmap pm = RenderSvg(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())), QSize(side, side),
                                     b->devicePixelRatioF());
        b->setIcon(QIcon(pm));
        b->setIconSize(QSize(side, side));
      } else {
        b->setIcon(QIcon());
      }
      break;
    }
    case Kind::CheckBox: {
      auto& check = static_cast<CheckBox&>(control);
      auto* cb = static_cast<QCheckBox*>(w);
      cb->setText(ToQString(check.caption()));
      cb->setChecked(check.checked());
      break;
    }
    case Kind::RadioGroup: {
      auto& radio = static_cast<RadioGroup&>(control);
      auto* rg = static_cast<RadioGroupWidget*>(w);
      rg->setTitle(ToQString(radio.caption()));
      rg->setItems(ToQStringList(radio.items()), radio.columns());
      rg->setCheckedIndex(radio.itemIndex());
      for (QRadioButton* b : rg->allButtons())
        if (!owners_.count(b)) own(b, control, false);
      break;
    }
    case Kind::ComboBox: {
      auto& combo = static_cast<ComboBox&>(control);
      auto* cb = static_cast<QComboBox*>(w);
      const QStringList items = ToQStringList(combo.items());
      QStringList current;
      for (int i = 0; i < cb->count(); ++i) current << cb->itemText(i);
      if (current != items) {
        cb->clear();
        cb->addItems(items);
      }
      cb->setCurrentIndex(combo.itemIndex());
      // A text that is none of the items still shows.
      cb->setPlaceholderText(combo.itemIndex() < 0 ? ToQString(combo.text()) : QString());
      cb->setMaxVisibleItems(std::max(1, combo.dropDownCount()));
      break;
    }
    case Kind::TrackBar: {
      auto& track = static_cast<TrackBar&>(control);
      auto* s = static_cast<QSlider*>(w);
      s->setRange(track.min(), track.max());
      s->setValue(track.position());
      break;
    }
    case Kind::UpDown: break;
    case Kind::TabControl: {
      auto& tabs = static_cast<TabControl&>(control);
      auto* strip = static_cast<MultiRowTabStrip*>(w);
      strip->setMultiRow(tabs.multiLine());
      strip->setTabs(ToQStringList(tabs.tabs()));
      strip->setCurrentIndex(tabs.tabIndex());
      break;
    }
    case Kind::PageControl: {
      auto& pages = static_cast<PageControl&>(control);
      auto* strip = static_cast<MultiRowTabStrip*>(w);
      QStringList captions;
      for (Control* page : pages.children()) captions << ToQString(page->caption());
      strip->setTabs(captions);
      strip->setCurrentIndex(pages.activePage());
      syncPages(pages);
      break;
    }
    case Kind::Image: {
      auto& image = static_cast<Image&>(control);
      auto* img = static_cast<SvgImageWidget*>(w);
      if (!image.picture().empty() && hasResource(image.picture())) {
        const std::string_view svg = resource(image.picture());
        img->setSvg(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
      } else {
        img->setSvg({});
      }
      break;
    }
    case Kind::ProgressBar: {
      auto& bar = static_cast<ProgressBar&>(control);
      auto* p = static_cast<QProgressBar*>(w);
      p->setRange(bar.min(), bar.max());
      p->setValue(bar.position());
      break;
    }
    case Kind::StatusBar: {
      auto& bar = static_cast<StatusBar&>(control);
      auto* sb = static_cast<StatusBarWidget*>(w);
      std::vector<StatusPanelView> panels;
      for (const StatusPanel& p : bar.panels()) panels.push_back({ToQString(p.text), p.width, HorizontalAlignment(p.alignment), p.bevel});
      // A new text of its own in panel 0 replaces the hint shown there.
      const std::string panel0 = bar.panels().empty() ? std::string() : bar.panels().front().text;
      auto& last = statusPanel0_[&control];
      if (panel0 != last) sb->setHint(std::nullopt);
      last = panel0;
      sb->setPanels(std::move(panels));
      break;
    }
    case Kind::ButtonGroup: {
      auto& group = static_cast<ButtonGroup&>(control);
      QStringList captions;
      for (const std::string& caption : group.captions()) captions << ToQString(caption);
      static_cast<ButtonGroupWidget*>(w)->setItems(captions, group.buttonHeight());
      break;
    }
    case Kind::None: break;
  }
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
  if (!built_ && windowHandle()) windowHandle()->installEventFilter(this);
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
  if (!built_) return;  // built from the model when first shown
  const Entry* entry = entryOf(control);
  if (!entry) {
    if (deferred_.count(&control)) {
      if (prop == Prop::Visible && shownInModel(control)) buildFor(control);
      return;
    }
    if (deferredRootOf(control)) return;
    // A control created after the window was built.
    if (createWidget(control)) {
      const Entry* created = entryOf(control);
      syncState(control, *created);
      if (control.parent()) stackGraphicControls(*control.parent());
    }
    return;
  }
  switch (prop) {
    case Prop::Bounds:
      syncGeometry(control, *entry);
      // A unit text moved into or out of its field changes its look; so
      // does a sibling it moved onto or away from (two boxes that trade
      // places meet on the way).
      if (entry->kind == Kind::Edit && control.parent()) {
        for (Control* sibling : control.parent()->children())
          if (const Entry* e = entryOf(*sibling); e && e->kind == Kind::Edit) syncStyle(*sibling, *e);
      } else if (entry->kind == Kind::Edit) {
        syncStyle(control, *entry);
      }
      if (entry->kind == Kind::PageControl) syncPages(control);
      break;
    case Prop::Visible: syncVisible(control, *entry); break;
    case Prop::Enabled: entry->widget->setEnabled(control.enabled()); break;
    case Prop::Hint: entry->widget->setToolTip(ShortHint(control.hint())); break;
    case Prop::Font:
    case Prop::Color: syncStyleTree(control); break;
    case Prop::Cursor:
      if (control.handCursor())
        entry->widget->setCursor(Qt::PointingHandCursor);
      else
        entry->widget->unsetCursor();
      break;
    case Prop::Focus: syncFocus(control, *entry); break;
    case Prop::TabIndex:
      syncContent(control, *entry);
      if (entry->kind == Kind::PageControl) syncPages(control);
      break;
    default: syncContent(control, *entry); break;
  }
}

QString FormView::statusHintOf(const Control* control) const {
  // The hint of the control under the mouse, or of the nearest parent
  // that has one.
  for (const Control* c = control; c; c = c->parent())
    if (!c->hint().empty()) return LongHint(c->hint());
  return {};
}

void FormView::showStatusHint(const QString& hint) {
  if (destroying_) return;
  for (auto& [bar, widget] : hintBars_)
    if (bar->autoHint()) widget->setHint(hint);
}

bool FormView::handleKey(Control& control, QObject* watched, QKeyEvent* event) {
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
  if (stroke.ch == 0) {
    // The arrow keys of an edit step its up-down.
    if ((stroke.key == 38 || stroke.key == 40) && dynamic_cast<Edit*>(&control) && !dynamic_cast<Memo*>(&control)) {
      for (Control* c : form_.allControls())
        if (auto* ud = dynamic_cast<UpDown*>(c); ud && ud->associate() == &control) {
          ud->userClick(stroke.key == 38 ? UpDownButton::Up : UpDownButton::Down);
          return true;
        }
    }
    return false;
  }
  if (received == 0) return true;  // the handler swallowed the key
  if (received == stroke.ch) return false;
  // The handler replaced the character: that one is typed instead.
  if (auto* le = qobject_cast<QLineEdit*>(watched)) {
    if (!le->isReadOnly()) {
      le->insert(KeyCharText(received));
      static_cast<Edit&>(control).userSetText(le->text().toStdString());
      if (const Entry* e = entryOf(control)) syncContent(control, *e);
    }
  } else if (auto* m = qobject_cast<QPlainTextEdit*>(watched)) {
    if (!m->isReadOnly()) m->insertPlainText(received == '\r' ? QStringLiteral("\n") : KeyCharText(received));
  }
  return true;
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  if (destroying_) return false;
  if (watched == windowHandle()) {
    if (event->type() == QEvent::Expose) {
      buildContents();
      StartFrameGate::exposed(this);
    }
    return false;
  }
  auto it = owners_.find(watched);
  if (it == owners_.end()) return false;
  Control& control = *it->second.control;
  const bool main = it->second.main;
  const Entry* entry = entryOf(control);
  const Kind kind = entry ? entry->kind : Kind::None;
  switch (event->type()) {
    case QEvent::KeyPress: return handleKey(control, watched, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
      if (&control != &form_) control.userFocus();
      break;
    case QEvent::Enter: showStatusHint(statusHintOf(&control)); break;
    case QEvent::Leave:
      // Leaving a control's own widget lands on its parent; leaving a part
      // of it lands on the control.
      showStatusHint(statusHintOf(main ? control.parent() : &control));
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
      // Only a click on the control itself counts, not one that a child
      // passed on to its parent.
      auto* me = static_cast<QMouseEvent*>(event);
      auto* w = static_cast<QWidget*>(watched);
      const QPoint pos = me->position().toPoint();
      const bool direct = me->button() == Qt::LeftButton && w->rect().contains(pos) && !w->childAt(pos);
      const bool passive = kind == Kind::Label || kind == Kind::Image || kind == Kind::Panel || kind == Kind::GroupBox;
      if (event->type() == QEvent::MouseButtonPress) {
        if (direct) pressed_ = watched;
      } else if (me->button() == Qt::LeftButton) {
        const bool click = direct && pressed_ == watched;
        pressed_ = nullptr;
        if (click && (passive || kind == Kind::Edit || kind == Kind::Memo)) control.userClick();
      }
      // Widgets that take no mouse input of their own keep it from their parents.
      if (passive) return true;
      break;
    }
    case QEvent::Wheel:
      // A wheel turned over a list or slider without the focus scrolls the
      // page, not the value.
      if ((kind == Kind::ComboBox || kind == Kind::TrackBar) && !static_cast<QWidget*>(watched)->hasFocus()) {
        event->ignore();
        return true;
      }
      break;
    default: break;
  }
  return false;
}

void FormView::closeEvent(QCloseEvent* event) {
  // The model decides: its close hides the window through Visible.
  event->ignore();
  form_.userClose();
}

}  // namespace cq::ui
