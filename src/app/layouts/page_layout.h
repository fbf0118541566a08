#pragma once
// A page layout as data: each row sets one property of a group of controls,
// with one cell per item of the layer radio. The tables read like the
// layout sheet, column by column (1 shown, 0 hidden, K left as it is).
#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/form.h"

namespace cq {

enum class LayoutProperty { Visible, Enabled, Caption, Hint, Left, Top, Width };

// One cell: a number (a flag or a coordinate), a text, or "keep".
struct LayoutCell {
  enum class Kind { Keep, Number, Text };
  struct KeepTag {};

  constexpr LayoutCell(KeepTag) {}
  constexpr LayoutCell(int n) : kind(Kind::Number), number(n) {}
  constexpr LayoutCell(const char* t) : kind(Kind::Text), text(t) {}

  Kind kind = Kind::Keep;
  int number = 0;
  std::string_view text;
};

// The control keeps whatever it shows.
inline constexpr LayoutCell::KeepTag K{};

struct LayoutRow {
  LayoutProperty property;
  std::vector<std::string_view> controls;
  std::vector<LayoutCell> cells;  // one per item
};

using LayoutTable = std::vector<LayoutRow>;

// Rows that show the n-th control for item n and hide the others (one
// picture per structure).
LayoutTable OneShownPerItem(std::initializer_list<std::string_view> controls);

// Appends the rows of each part, in order.
LayoutTable Rows(std::initializer_list<LayoutTable> parts);

// A table bound to a window: the controls are looked up once, and a table
// that names an unknown control or does not have a cell per item fails
// here, when the window is built.
class PageLayout {
 public:
  PageLayout() = default;
  PageLayout(Form& form, const LayoutTable& table, int itemCount);

  int itemCount() const { return itemCount_; }
  // Applies the rows in order; an item outside the table changes nothing.
  void apply(int item) const;

 private:
  struct BoundRow {
    LayoutProperty property;
    std::vector<Control*> controls;
    std::vector<LayoutCell> cells;
  };
  static void applyCell(Control& c, LayoutProperty property, const LayoutCell& cell);

  std::vector<BoundRow> rows_;
  int itemCount_ = 0;
};

}  // namespace cq
