#include "support/layout_steps.h"

namespace cq::test {

std::string CellText(const LayoutCell& cell) {
  return cell.kind == LayoutCell::Kind::Text ? std::string(cell.text) : std::to_string(cell.number);
}

std::string Shown(const Control& c, LayoutProperty property) {
  switch (property) {
    case LayoutProperty::Visible: return std::to_string(c.visible() ? 1 : 0);
    case LayoutProperty::Enabled: return std::to_string(c.enabled() ? 1 : 0);
    case LayoutProperty::Caption: return c.caption();
    case LayoutProperty::Hint: return c.hint();
    case LayoutProperty::Left: return std::to_string(c.bounds().left);
    case LayoutProperty::Top: return std::to_string(c.bounds().top);
    case LayoutProperty::Width: return std::to_string(c.bounds().width);
  }
  return {};
}

}  // namespace cq::test
