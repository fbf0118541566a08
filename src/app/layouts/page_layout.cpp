#include "app/layouts/page_layout.h"

#include <string>

namespace cq {

namespace {

bool takesFlag(LayoutProperty p) { return p == LayoutProperty::Visible || p == LayoutProperty::Enabled; }
bool takesText(LayoutProperty p) { return p == LayoutProperty::Caption || p == LayoutProperty::Hint; }

std::string rowName(const LayoutRow& row) {
  return "layout row of " + std::string(row.controls.empty() ? "no control" : row.controls.front());
}

void checkCell(const LayoutRow& row, const LayoutCell& cell) {
  using Kind = LayoutCell::Kind;
  std::string where = rowName(row);
  if (cell.kind == Kind::Keep) return;
  if (takesText(row.property) != (cell.kind == Kind::Text)) throw DescriptionError(where + ": cell of the wrong kind");
  if (takesFlag(row.property) && cell.number != 0 && cell.number != 1)
    throw DescriptionError(where + ": a flag must be 0 or 1");
}

}  // namespace

LayoutTable OneShownPerItem(std::initializer_list<std::string_view> controls) {
  LayoutTable rows;
  int n = 0;
  for (std::string_view name : controls) {
    LayoutRow row{LayoutProperty::Visible, {name}, {}};
    for (int item = 0; item < static_cast<int>(controls.size()); ++item) row.cells.emplace_back(item == n ? 1 : 0);
    rows.push_back(std::move(row));
    ++n;
  }
  return rows;
}

LayoutTable Rows(std::initializer_list<LayoutTable> parts) {
  LayoutTable all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

PageLayout::PageLayout(Form& form, const LayoutTable& table, int itemCount) : itemCount_(itemCount) {
  for (const auto& row : table) {
    if (row.controls.empty()) throw DescriptionError(rowName(row));
    if (static_cast<int>(row.cells.size()) != itemCount)
      throw DescriptionError(rowName(row) + ": " +
                             std::to_string(row.cells.size()) + " cells for " + std::to_string(itemCount) + " items");
    BoundRow bound{row.property, {}, row.cells};
    for (const auto& cell : row.cells) checkCell(row, cell);
    for (std::string_view name : row.controls) bound.controls.push_back(&form.control(std::string(name)));
    rows_.push_back(std::move(bound));
  }
}

void PageLayout::applyCell(Control& c, LayoutProperty property, const LayoutCell& cell) {
  switch (property) {
    case LayoutProperty::Visible: c.setVisible(cell.number != 0); break;
    case LayoutProperty::Enabled: c.setEnabled(cell.number != 0); break;
    case LayoutProperty::Caption: c.setCaption(std::string(cell.text)); break;
    case LayoutProperty::Hint: c.setHint(std::string(cell.text)); break;
    case LayoutProperty::Left: c.setLeft(cell.number); break;
    case LayoutProperty::Top: c.setTop(cell.number); break;
    case LayoutProperty::Width: c.setWidth(cell.number); break;
  }
}

void PageLayout::apply(int item) const {
  if (item < 0 || item >= itemCount_) return;
  for (const auto& row : rows_) {
    const LayoutCell& cell = row.cells[static_cast<size_t>(item)];
    if (cell.kind == LayoutCell::Kind::Keep) continue;
    for (Control* c : row.controls) applyCell(*c, row.property, cell);
  }
}

}  // namespace cq
