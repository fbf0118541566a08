#pragma once
// Several controls switched as one: all shown or hidden, all enabled or
// disabled, or only one of a set of alternatives shown.
#include <cstddef>

#include "platform/control.h"

namespace cq {

template <typename Controls>
void SetVisible(const Controls& controls, bool visible) {
  for (Control* c : controls) c->setVisible(visible);
}

template <typename Controls>
void SetEnabled(const Controls& controls, bool enabled) {
  for (Control* c : controls) c->setEnabled(enabled);
}

// Shows the control at index and hides the others of the set.
template <typename Controls>
void ShowOnly(const Controls& controls, std::size_t index) {
  std::size_t i = 0;
  for (Control* c : controls) c->setVisible(i++ == index);
}

}  // namespace cq
