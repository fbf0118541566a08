// Adapters of buttons and of the controls that only show something:
// pictures, progress, the status bar and the button groups.
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "platform/button_group.h"
#include "platform/resources.h"
#include "ui_qt/button_group_widget.h"
#include "ui_qt/control_adapter.h"
#include "ui_qt/view_values.h"
#include "ui_qt/widgets.h"

namespace cq::ui {

namespace {

QByteArray ResourceBytes(const std::string& path) {
  const std::string_view data = resource(path);
  return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

QWidget* CreateButton(QWidget* parent) {
  auto* b = new QPushButton(parent);
  b->setAutoDefault(false);
  return b;
}

void SyncButton(Control& control, QWidget& w, AdapterSite&) {
  auto& button = static_cast<Button&>(control);
  auto& b = static_cast<QPushButton&>(w);
  b.setText(ToQString(button.caption()));
  if (!button.glyph().empty() && hasResource(button.glyph())) {
    const int side = button.caption().empty() ? std::max(8, std::min(button.bounds().width, button.bounds().height) - 8) : 16;
    const QPixmap pm = RenderSvg(ResourceBytes(button.glyph()), QSize(side, side), b.devicePixelRatioF());
    b.setIcon(QIcon(pm));
    b.setIconSize(QSize(side, side));
  } else {
    b.setIcon(QIcon());
  }
}

void SyncImage(Control& control, QWidget& w, AdapterSite&) {
  auto& image = static_cast<Image&>(control);
  auto& img = static_cast<SvgImageWidget&>(w);
  if (!image.picture().empty() && hasResource(image.picture()))
    img.setSvg(ResourceBytes(image.picture()));
  else
    img.setSvg({});
}

QWidget* CreateProgressBar(QWidget* parent) {
  auto* p = new QProgressBar(parent);
  p->setTextVisible(false);
  return p;
}

void SyncProgressBar(Control& control, QWidget& w, AdapterSite&) {
  auto& bar = static_cast<ProgressBar&>(control);
  auto& p = static_cast<QProgressBar&>(w);
  p.setRange(bar.min(), bar.max());
  p.setValue(bar.position());
}

void ConnectStatusBar(Control& control, QWidget& w, AdapterSite& site) {
  auto& bar = static_cast<StatusBar&>(control);
  if (bar.autoHint()) site.addHintBar(bar, static_cast<StatusBarWidget&>(w));
}

void SyncStatusBar(Control& control, QWidget& w, AdapterSite&) {
  auto& bar = static_cast<StatusBar&>(control);
  auto& sb = static_cast<StatusBarWidget&>(w);
  std::vector<StatusPanelView> panels;
  for (const StatusPanel& p : bar.panels())
    panels.push_back({ToQString(p.text), p.width, HorizontalAlignment(p.alignment), p.bevel});
  // A new text of its own in panel 0 replaces the hint shown there.
  const QString panel0 = panels.empty() ? QString() : panels.front().text;
  const QString shown = sb.panels().empty() ? QString() : sb.panels().front().text;
  if (panel0 != shown) sb.setHint(std::nullopt);
  sb.setPanels(std::move(panels));
}

void ConnectButtonGroup(Control& control, QWidget& w, AdapterSite& site) {
  auto* view = static_cast<ButtonGroupWidget*>(&w);
  auto* group = static_cast<ButtonGroup*>(&control);
  QObject::connect(view, &ButtonGroupWidget::itemClicked, &site.connectionContext(),
                   [group](int index) { group->userClickItem(index); });
  QObject::connect(view, &ButtonGroupWidget::itemMoved, &site.connectionContext(),
                   [group](int from, int to) { group->userMoveItem(from, to); });
}

void SyncButtonGroup(Control& control, QWidget& w, AdapterSite&) {
  auto& group = static_cast<ButtonGroup&>(control);
  QStringList captions;
  for (const std::string& caption : group.captions()) captions << ToQString(caption);
  static_cast<ButtonGroupWidget&>(w).setItems(captions, group.buttonHeight());
}

}  // namespace

constinit const ControlAdapter kButtonAdapter{
    .kind = ControlKind::Button,
    .matches = IsAny<Button>,
    .create = CreateButton,
    .connect = [](Control& control, QWidget& w, AdapterSite& site) {
      Control* c = &control;
      QObject::connect(static_cast<QPushButton*>(&w), &QPushButton::clicked, &site.connectionContext(),
                       [c] { c->userClick(); });
    },
    .sync = SyncButton,
};

constinit const ControlAdapter kImageAdapter{
    .kind = ControlKind::Image,
    .matches = IsAny<Image>,
    .create = Make<SvgImageWidget>,
    .sync = SyncImage,
    .graphic = true,
    .passive = true,
};

constinit const ControlAdapter kProgressBarAdapter{
    .kind = ControlKind::ProgressBar,
    .matches = IsAny<ProgressBar>,
    .create = CreateProgressBar,
    .sync = SyncProgressBar,
};

constinit const ControlAdapter kStatusBarAdapter{
    .kind = ControlKind::StatusBar,
    .matches = IsAny<StatusBar>,
    .create = Make<StatusBarWidget>,
    .connect = ConnectStatusBar,
    .sync = SyncStatusBar,
};

constinit const ControlAdapter kButtonGroupAdapter{
    .kind = ControlKind::ButtonGroup,
    .matches = IsAny<ButtonGroup>,
    .create = Make<ButtonGroupWidget>,
    .connect = ConnectButtonGroup,
    .sync = SyncButtonGroup,
};

}  // namespace cq::ui
