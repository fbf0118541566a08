#pragma once
// The pages' Units switch tables bound to the main window, and the one
// routine that applies them: every field is read and converted before any
// is written, so a field that holds no number, or one whose value cannot be
// converted, leaves the whole window as it was.
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "options/units_conversion.h"
#include "platform/form.h"

namespace cq {

// What one switch will write, read from the window as it is now.
class UnitsPlan {
 public:
  // Whether every field converts: none holds a text that is no number or a
  // value whose conversion leaves the double range.
  bool convertible() const { return refusal_ == nullptr; }
  // Raises the error of the first field that does not convert.
  [[noreturn]] void raiseRefusal() const;
  // Writes the texts, then the converted fields in the order given.
  void apply() const;

 private:
  friend class UnitsTables;
  struct TextWrite {
    Control* control;
    UnitsProperty property;
    std::string_view value;
  };
  struct FieldWrite {
    Edit* field;
    std::string text;
  };
  std::vector<TextWrite> texts_;
  std::vector<FieldWrite> fields_;
  std::exception_ptr refusal_;
};

class UnitsTables {
 public:
  // The fields convert in the switch's one order (app/units_field_order.h);
  // a field outside it, a field of two rows or a table naming an unknown
  // control fails here.
  UnitsTables(Form& form, const std::vector<UnitsPage>& pages);

  UnitsPlan plan(bool toMetric) const;
  // The fields in the order each direction converts them.
  std::vector<std::string_view> order(bool toMetric) const;

 private:
  struct BoundCondition {
    RadioGroup* radio = nullptr;
    std::vector<int> items;
    bool holds() const;
  };
  struct BoundText {
    Control* control;
    UnitsText row;
    BoundCondition condition;
  };
  struct BoundField {
    Edit* field;
    UnitsField row;
    BoundCondition condition;
  };
  BoundCondition bind(const UnitsCondition& condition) const;

  Form& form_;
  std::vector<BoundText> texts_;
  std::vector<BoundField> fields_;
  std::vector<BoundField> toImperial_;
  std::vector<BoundField> toMetric_;
};

}  // namespace cq
