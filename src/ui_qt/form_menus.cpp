#include "ui_qt/form_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <algorithm>

#include "ui_qt/view_values.h"

namespace cq::ui {

FormMenus::FormMenus(MainMenu& menu, QMenuBar& bar, QObject& context, std::function<void(const QString&)> showHint)
    : context_(context), showHint_(std::move(showHint)) {
  build(menu, &bar, nullptr);
}

QAction* FormMenus::actionFor(const MenuItem& item) const {
  auto it = actions_.find(&item);
  return it == actions_.end() ? nullptr : it->second;
}

void FormMenus::build(MenuItem& parent, QMenuBar* bar, QMenu* menu) {
  for (Control* child : parent.children()) {
    auto* item = dynamic_cast<MenuItem*>(child);
    if (!item) continue;
    const bool hasItems = std::any_of(item->children().begin(), item->children().end(),
                                      [](Control* c) { return dynamic_cast<MenuItem*>(c) != nullptr; });
    QAction* action = nullptr;
    if (item->isSeparator()) {
      action = menu ? menu->addSeparator() : bar->addSeparator();
    } else if (hasItems) {
      auto* sub = new QMenu(menu ? static_cast<QWidget*>(menu) : bar);
      // A parent item's own click handler runs as its menu opens.
      QObject::connect(sub, &QMenu::aboutToShow, &context_, [item] { item->userChoose(); });
      QObject::connect(sub, &QMenu::aboutToHide, &context_, [this] { showHint_({}); });
      build(*item, nullptr, sub);
      action = sub->menuAction();
      if (menu)
        menu->addMenu(sub);
      else
        bar->addMenu(sub);
    } else {
      action = new QAction(menu ? static_cast<QObject*>(menu) : bar);
      QObject::connect(action, &QAction::triggered, &context_, [item] { item->userChoose(); });
      if (menu)
        menu->addAction(action);
      else
        bar->addAction(action);
    }
    QObject::connect(action, &QAction::hovered, &context_, [this, item] { showHint_(LongHint(item->hint())); });
    actions_[item] = action;
    sync(*item);
  }
}

void FormMenus::sync(MenuItem& item) {
  QAction* a = actionFor(item);
  if (!a) return;
  const QSignalBlocker block(a);
  if (!item.isSeparator()) a->setText(ToQString(item.caption()));
  a->setVisible(item.visible());
  a->setEnabled(item.enabled());
  a->setToolTip(ShortHint(item.hint()));
}

}  // namespace cq::ui
