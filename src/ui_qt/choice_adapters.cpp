// Adapters of the controls the user picks a value with: check boxes, radio
// groups, lists, sliders and up-down arrows.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSlider>
#include <QStylePainter>
#include <QToolButton>
#include <algorithm>

#include "ui_qt/control_adapter.h"
#include "ui_qt/view_values.h"
#include "ui_qt/widgets.h"

namespace cq::ui {

namespace {

void ConnectCheckBox(Control& control, QWidget& w, AdapterSite& site) {
  Control* c = &control;
  QObject::connect(static_cast<QCheckBox*>(&w), &QCheckBox::clicked, &site.connectionContext(), [&site, c] {
    c->userClick();
    // The box shows what the model decided, whatever Qt toggled.
    site.showContent(*c);
  });
}

void SyncCheckBox(Control& control, QWidget& w, AdapterSite&) {
  auto& check = static_cast<CheckBox&>(control);
  auto& cb = static_cast<QCheckBox&>(w);
  cb.setText(ToQString(check.caption()));
  cb.setChecked(check.checked());
}

void ConnectRadioGroup(Control& control, QWidget& w, AdapterSite& site) {
  auto* radio = static_cast<RadioGroup*>(&control);
  QObject::connect(static_cast<RadioGroupWidget*>(&w), &RadioGroupWidget::itemClicked, &site.connectionContext(),
                   [&site, radio](int index) {
                     radio->userSelect(index);
                     site.showContent(*radio);
                   });
}

void SyncRadioGroup(Control& control, QWidget& w, AdapterSite& site) {
  auto& radio = static_cast<RadioGroup&>(control);
  auto& rg = static_cast<RadioGroupWidget&>(w);
  rg.setTitle(ToQString(radio.caption()));
  rg.setItems(ToQStringList(radio.items()), radio.columns());
  rg.setCheckedIndex(radio.itemIndex());
  for (QRadioButton* b : rg.allButtons()) site.ownPart(*b, control);
}

void FocusRadioGroup(QWidget& w) {
  auto& rg = static_cast<RadioGroupWidget&>(w);
  // The focus on any item is the group's. Moving it to the selected item
  // would take it from an item being pressed, and a button that loses the
  // focus drops its press: the click that activates the window gives the
  // focus after its press, so that click would be lost.
  if (QWidget* focused = QApplication::focusWidget(); focused && rg.isAncestorOf(focused)) return;
  QWidget* target = &rg;
  if (QRadioButton* b = rg.button(std::max(0, rg.checkedIndex()))) target = b;
  if (!target->hasFocus()) target->setFocus(Qt::OtherFocusReason);
}

// The items, in the group's place in the focus chain.
std::vector<QWidget*> RadioItems(QWidget& w) {
  std::vector<QWidget*> items;
  for (QRadioButton* b : static_cast<RadioGroupWidget&>(w).allButtons())
    if (b->focusPolicy() != Qt::NoFocus) items.push_back(b);
  return items;
}

// A list whose text is none of its chosen items (replacing the items keeps
// the text and drops the choice) shows that text as its value, in the text
// colour, not greyed as a hint: the list is as usable as ever.
class ValueComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (currentIndex() >= 0 || placeholderText().isEmpty()) {
      QComboBox::paintEvent(event);
      return;
    }
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = placeholderText();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  }
};

void ConnectComboBox(Control& control, QWidget& w, AdapterSite& site) {
  auto* combo = static_cast<ComboBox*>(&control);
  QObject::connect(static_cast<QComboBox*>(&w), &QComboBox::activated, &site.connectionContext(),
                   [&site, combo](int index) {
                     combo->userSelect(index);
                     site.showContent(*combo);
                   });
}

void SyncComboBox(Control& control, QWidget& w, AdapterSite&) {
  auto& combo = static_cast<ComboBox&>(control);
  auto& cb = static_cast<QComboBox&>(w);
  const QStringList items = ToQStringList(combo.items());
  QStringList current;
  for (int i = 0; i < cb.count(); ++i) current << cb.itemText(i);
  if (current != items) {
    cb.clear();
    cb.addItems(items);
  }
  cb.setCurrentIndex(combo.itemIndex());
  // A text that is none of the items still shows.
  cb.setPlaceholderText(combo.itemIndex() < 0 ? ToQString(combo.text()) : QString());
  cb.setMaxVisibleItems(std::max(1, combo.dropDownCount()));
}

QWidget* CreateTrackBar(QWidget* parent) {
  auto* s = new QSlider(parent);
  s->setTickPosition(QSlider::TicksBelow);
  s->setTickInterval(1);
  s->setPageStep(2);
  return s;
}

void ConnectTrackBar(Control& control, QWidget& w, AdapterSite& site) {
  auto* track = static_cast<TrackBar*>(&control);
  QObject::connect(static_cast<QSlider*>(&w), &QSlider::valueChanged, &site.connectionContext(),
                   [&site, track](int value) {
                     track->userSetPosition(value);
                     site.showContent(*track);
                   });
}

void SyncTrackBar(Control& control, QWidget& w, AdapterSite&) {
  auto& track = static_cast<TrackBar&>(control);
  auto& s = static_cast<QSlider&>(w);
  s.setRange(track.min(), track.max());
  s.setValue(track.position());
}

void PlaceTrackBar(const Control& control, QWidget& w, QRect&) {
  const Bounds& b = control.bounds();
  static_cast<QSlider&>(w).setOrientation(b.height > b.width ? Qt::Vertical : Qt::Horizontal);
}

void ConnectUpDown(Control& control, QWidget& w, AdapterSite& site) {
  auto* ud = static_cast<UpDownWidget*>(&w);
  auto* upDown = static_cast<UpDown*>(&control);
  site.ownPart(*ud->upButton(), control);
  site.ownPart(*ud->downButton(), control);
  QObject::connect(ud, &UpDownWidget::upClicked, &site.connectionContext(), [upDown] { upDown->userClick(UpDownButton::Up); });
  QObject::connect(ud, &UpDownWidget::downClicked, &site.connectionContext(),
                   [upDown] { upDown->userClick(UpDownButton::Down); });
}

}  // namespace

constinit const ControlAdapter kCheckBoxAdapter{
    .kind = ControlKind::CheckBox,
    .matches = IsAny<CheckBox>,
    .create = Make<QCheckBox>,
    .connect = ConnectCheckBox,
    .sync = SyncCheckBox,
};

constinit const ControlAdapter kRadioGroupAdapter{
    .kind = ControlKind::RadioGroup,
    .matches = IsAny<RadioGroup>,
    .create = Make<RadioGroupWidget>,
    .connect = ConnectRadioGroup,
    .sync = SyncRadioGroup,
    .focus = FocusRadioGroup,
    .focusParts = RadioItems,
};

constinit const ControlAdapter kComboBoxAdapter{
    .kind = ControlKind::ComboBox,
    .matches = IsAny<ComboBox>,
    .create = Make<ValueComboBox>,
    .connect = ConnectComboBox,
    .sync = SyncComboBox,
    .wheelNeedsFocus = true,
};

constinit const ControlAdapter kTrackBarAdapter{
    .kind = ControlKind::TrackBar,
    .matches = IsAny<TrackBar>,
    .create = CreateTrackBar,
    .connect = ConnectTrackBar,
    .sync = SyncTrackBar,
    .place = PlaceTrackBar,
    .wheelNeedsFocus = true,
};

constinit const ControlAdapter kUpDownAdapter{
    .kind = ControlKind::UpDown,
    .matches = IsAny<UpDown>,
    .create = Make<UpDownWidget>,
    .connect = ConnectUpDown,
};

}  // namespace cq::ui
