#pragma once
// A button group: a column of full-width buttons, each item with its own
// caption and click handler. The user may drag an item to another place;
// its handler goes with it. The order lives only as long as the window.
#include <string>
#include <vector>

#include "platform/control.h"

namespace cq {

struct ButtonGroupItem {
  std::string caption;
  NotifyEvent OnClick;  // empty: a click does nothing
};

class ButtonGroup : public Control {
 public:
  explicit ButtonGroup(std::string name) : Control("ButtonGroup", std::move(name)) {}

  const std::vector<ButtonGroupItem>& items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }
  std::vector<std::string> captions() const;
  void addItem(std::string caption);
  void setItemClick(int index, NotifyEvent onClick);
  int buttonHeight() const { return buttonHeight_; }
  void setButtonHeight(int h);

  // A click on an item runs its handler with the group as the sender.
  void userClickItem(int index);
  // The user dropped the item at `from` on the place of the item at `to`:
  // the items between move up or down by one place.
  void userMoveItem(int from, int to);

 private:
  std::vector<ButtonGroupItem> items_;
  int buttonHeight_ = 24;
};

}  // namespace cq
