#pragma once
// What the Units switch does to one page, as data: the fields it converts
// and the texts it rewrites. Each page keeps its own table; the switch
// applies them all in one field order (app/units_field_order.h).
#include <initializer_list>
#include <string_view>
#include <vector>

namespace cq {

// How a value changes between the unit systems, rounding included.
enum class UnitsKind {
  Length,           // mils <-> mm
  Micrometre,       // mils <-> um
  Area,             // square inches <-> square mm
  PerArea,          // per square inch <-> per square mm
};

// The value of a field in the other unit system, rounded as the field is
// rounded there. Raises OverflowError where the conversion or its rounding
// leaves the double range.
double ConvertUnits(UnitsKind kind, double value, bool toMetric);

// A row that counts only while a radio of the page shows one of some items
// (a field that holds a current in another mode, a box that names ohms for
// another resistor type). An empty radio name: always.
struct UnitsCondition {
  std::string_view radio;
  std::vector<int> items;
};

enum class UnitsRead {
  Locale,      // the locale's separator only
  AnyDecimal,  // a point or a comma
};

struct UnitsField {
  std::string_view name = {};
  UnitsKind kind;
  UnitsRead read = UnitsRead::Locale;
  // "N/A" (nothing to size) stays "N/A" instead of failing.
  bool keepsNotApplicable = false;
  UnitsCondition condition = {};
  // Towards Metric this field comes right after the named one instead of
  // at its place in the switch's order.
  std::string_view metricAfter = {};
};

enum class UnitsProperty { Text, Hint, Visible, Left, Width };

// One property of one control, with its Imperial and Metric values. Visible,
// Left and Width take the number of the text ("1" shown, "0" hidden).
struct UnitsText {
  std::string_view control;
  UnitsProperty property;
  std::string_view imperial;
  std::string_view metric;
  UnitsCondition condition = {};
};

struct UnitsPage {
  std::string_view name;
  std::vector<UnitsText> texts;
  std::vector<UnitsField> fields;
};

// Rows that write the same texts into several unit boxes.
std::vector<UnitsText> UnitBoxes(std::initializer_list<std::string_view> boxes, std::string_view imperial,
                                 std::string_view metric);
inline std::vector<UnitsText> MilsOrMm(std::initializer_list<std::string_view> boxes) {
  return UnitBoxes(boxes, "mils", "mm");
}

// Fields converted alike: `like` gives the rest of each row.
std::vector<UnitsField> FieldsLike(const UnitsField& like, std::initializer_list<std::string_view> names);
// Length fields, each converted by the length rule.
inline std::vector<UnitsField> Lengths(std::initializer_list<std::string_view> names) {
  return FieldsLike({.kind = UnitsKind::Length}, names);
}
// The rows of both lists, the first list's first.
std::vector<UnitsField> Joined(std::vector<UnitsField> first, const std::vector<UnitsField>& second);

}  // namespace cq
