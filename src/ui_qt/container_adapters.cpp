// Adapters of the controls that hold others: panels, group boxes, tab
// strips and page controls.
#include <QGroupBox>

#include "ui_qt/control_adapter.h"
#include "ui_qt/multi_row_tab_strip.h"
#include "ui_qt/view_values.h"
#include "ui_qt/widgets.h"

namespace cq::ui {

namespace {

void SyncPanel(Control& control, QWidget& w, AdapterSite& site) {
  auto& p = static_cast<PanelWidget&>(w);
  auto* pages = dynamic_cast<PageControl*>(control.parent());
  p.setCaption(ToQString(control.caption()));
  // A page's caption is its tab.
  p.setCaptionShown(!pages);
  if (pages) site.showContent(*pages);
}

void ConnectTabControl(Control& control, QWidget& w, AdapterSite& site) {
  auto* tabs = static_cast<TabControl*>(&control);
  QObject::connect(static_cast<MultiRowTabStrip*>(&w), &MultiRowTabStrip::tabClicked, &site.connectionContext(),
                   [&site, tabs](int index) {
                     tabs->userSelect(index);
                     site.showContent(*tabs);
                   });
}

void SyncTabControl(Control& control, QWidget& w, AdapterSite&) {
  auto& tabs = static_cast<TabControl&>(control);
  auto& strip = static_cast<MultiRowTabStrip&>(w);
  strip.setMultiRow(tabs.multiLine());
  strip.setTabs(ToQStringList(tabs.tabs()));
  strip.setCurrentIndex(tabs.tabIndex());
}

QWidget* CreatePageControl(QWidget* parent) {
  auto* strip = new MultiRowTabStrip(parent);
  strip->setMultiRow(false);
  return strip;
}

void ConnectPageControl(Control& control, QWidget& w, AdapterSite& site) {
  auto* strip = static_cast<MultiRowTabStrip*>(&w);
  auto* pages = static_cast<PageControl*>(&control);
  QObject::connect(strip, &MultiRowTabStrip::tabClicked, &site.connectionContext(), [&site, pages](int index) {
    pages->userSelect(index);
    site.showContent(*pages);
  });
  QObject::connect(strip, &MultiRowTabStrip::pageRectChanged, &site.connectionContext(),
                   [&site, pages] { site.showPages(*pages); });
}

// A page fills its page control's frame, whatever its own bounds say.
void PlacePage(QWidget& w, QRect& r) { r = static_cast<MultiRowTabStrip&>(w).pageRect().adjusted(2, 2, -2, -2); }

// A new size moves the frame; another page shows another page.
void PageControlChanged(Control& control, Prop prop, AdapterSite& site) {
  if (prop == Prop::Bounds || prop == Prop::TabIndex) site.showPages(control);
}

void SyncPageControl(Control& control, QWidget& w, AdapterSite& site) {
  auto& pages = static_cast<PageControl&>(control);
  auto& strip = static_cast<MultiRowTabStrip&>(w);
  QStringList captions;
  for (Control* page : pages.children()) captions << ToQString(page->caption());
  strip.setTabs(captions);
  strip.setCurrentIndex(pages.activePage());
  site.showPages(pages);
}

}  // namespace

// A shape draws as a plain coloured panel: a swatch.
constinit const ControlAdapter kPanelAdapter{
    .kind = ControlKind::Panel,
    .matches = IsAny<Panel, Shape>,
    .create = Make<PanelWidget>,
    .sync = SyncPanel,
    .passive = true,
};

constinit const ControlAdapter kGroupBoxAdapter{
    .kind = ControlKind::GroupBox,
    .matches = IsAny<GroupBox>,
    .create = Make<QGroupBox>,
    .sync = [](Control& control, QWidget& w, AdapterSite&) {
      static_cast<QGroupBox&>(w).setTitle(ToQString(control.caption()));
    },
    .passive = true,
};

constinit const ControlAdapter kTabControlAdapter{
    .kind = ControlKind::TabControl,
    .matches = IsAny<TabControl>,
    .create = Make<MultiRowTabStrip>,
    .connect = ConnectTabControl,
    .sync = SyncTabControl,
};

constinit const ControlAdapter kPageControlAdapter{
    .kind = ControlKind::PageControl,
    .matches = IsAny<PageControl>,
    .create = CreatePageControl,
    .connect = ConnectPageControl,
    .sync = SyncPageControl,
    .placeChild = PlacePage,
    .changed = PageControlChanged,
};

}  // namespace cq::ui
