#include "platform/button_group.h"

#include <algorithm>

namespace cq {

std::vector<std::string> ButtonGroup::captions() const {
  std::vector<std::string> out;
  out.reserve(items_.size());
  for (const auto& item : items_) out.push_back(item.caption);
  return out;
}

void ButtonGroup::addItem(std::string caption) {
  items_.push_back({std::move(caption), {}});
  notify(Prop::Items);
}

void ButtonGroup::setItemClick(int index, NotifyEvent onClick) {
  items_.at(static_cast<size_t>(index)).OnClick = std::move(onClick);
}

void ButtonGroup::setButtonHeight(int h) {
  if (buttonHeight_ == h) return;
  buttonHeight_ = h;
  notify(Prop::Items);
}

void ButtonGroup::userClickItem(int index) {
  if (!acceptsInput() || index < 0 || index >= count()) return;
  // A copy: the handler may change the items.
  const NotifyEvent onClick = items_[static_cast<size_t>(index)].OnClick;
  if (onClick) runUserEvent([&] { onClick(this); });
}

void ButtonGroup::userMoveItem(int from, int to) {
  if (!acceptsInput() || from < 0 || to < 0 || from >= count() || to >= count() || from == to) return;
  const auto first = items_.begin();
  if (from < to)
    std::rotate(first + from, first + from + 1, first + to + 1);
  else
    std::rotate(first + to, first + from, first + from + 1);
  notify(Prop::Items);
}

}  // namespace cq
