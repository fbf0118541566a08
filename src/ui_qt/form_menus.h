#pragma once
// A form's main menu as the window's menu bar: an action for every item,
// kept as the model says (caption, visible, enabled, hint). Choosing an
// item, or opening the menu of an item that has items, runs the item's
// handler; the item under the mouse shows its hint in the status bar.
#include <QString>
#include <functional>
#include <unordered_map>

#include "platform/controls.h"

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace cq::ui {

class FormMenus {
 public:
  // The connections live as long as `context`; showHint gets the hint of
  // the item under the mouse, and an empty text as a menu closes.
  FormMenus(MainMenu& menu, QMenuBar& bar, QObject& context, std::function<void(const QString&)> showHint);

  QAction* actionFor(const MenuItem& item) const;
  void sync(MenuItem& item);

 private:
  void build(MenuItem& parent, QMenuBar* bar, QMenu* menu);

  QObject& context_;
  std::function<void(const QString&)> showHint_;
  std::unordered_map<const Control*, QAction*> actions_;
};

}  // namespace cq::ui
