#pragma once
// The order a reader takes a container's children in, which is the order
// Tab visits them: rows from top to bottom, each row from left to right.
#include <vector>

#include "platform/control.h"

namespace cq::ui {

// Whether b lies on a's row: the two tops are less than half the height
// of the shorter one apart, and less than half a field's height.
bool SameRow(const Bounds& a, const Bounds& b);

// The controls sorted into rows, each row from left to right. A row is
// opened by the topmost control left and takes the controls below it, in
// order of their tops, while they lie on its row; controls at the same
// place keep their given order.
std::vector<Control*> InReadingOrder(std::vector<Control*> controls);

}  // namespace cq::ui
