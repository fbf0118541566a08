#include "options/units_tables.h"

#include <algorithm>
#include <stdexcept>

#include "platform/errors.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr std::string_view kNotApplicable = "N/A";

std::optional<double> tryRead(const std::string& text, UnitsRead read) {
  return read == UnitsRead::AnyDecimal ? TryNormalizeDecimalInput(text) : TryParseLocaleFloat(text);
}

void writeText(Control& c, UnitsProperty property, std::string_view value) {
  switch (property) {
    case UnitsProperty::Text:
      if (auto* edit = dynamic_cast<Edit*>(&c))
        edit->setText(std::string(value));
      else
        c.setCaption(std::string(value));
      return;
    case UnitsProperty::Hint: c.setHint(std::string(value)); return;
    case UnitsProperty::Visible: c.setVisible(value == "1"); return;
    case UnitsProperty::Left: c.setLeft(TextToInt(value)); return;
    case UnitsProperty::Width: c.setWidth(TextToInt(value)); return;
  }
}
}  // namespace

bool UnitsTables::BoundCondition::holds() const {
  return radio == nullptr || std::ranges::find(items, radio->itemIndex()) != items.end();
}

UnitsTables::BoundCondition UnitsTables::bind(const UnitsCondition& condition) const {
  if (condition.radio.empty()) return {};
  return {&form_.radio(std::string(condition.radio)), condition.items};
}

UnitsTables::UnitsTables(Form& form, const std::vector<UnitsPage>& pages,
                         std::span<const std::string_view> toImperialOrder,
                         std::span<const std::string_view> toMetricOrder)
    : form_(form) {
  for (const UnitsPage& page : pages) {
    for (const UnitsText& row : page.texts)
      texts_.push_back({&form.control(std::string(row.control)), row, bind(row.condition)});
    for (const UnitsField& row : page.fields)
      fields_.push_back({&form.edit(std::string(row.name)), row, bind(row.condition)});
  }
  toImperial_ = ordered(toImperialOrder);
  toMetric_ = ordered(toMetricOrder);
}

std::vector<UnitsTables::BoundField> UnitsTables::ordered(std::span<const std::string_view> order) const {
  if (order.size() != fields_.size())
    throw DescriptionError("Units switch: the field order and the page tables differ in size");
  std::vector<BoundField> result;
  for (std::string_view name : order) {
    auto it = std::ranges::find_if(fields_, [&](const BoundField& f) { return f.row.name == name; });
    if (it == fields_.end()) throw DescriptionError("Units switch: no page converts " + std::string(name));
    if (std::ranges::any_of(result, [&](const BoundField& f) { return f.row.name == name; }))
      throw DescriptionError("Units switch: " + std::string(name) + " is ordered twice");
    result.push_back(*it);
  }
  return result;
}

UnitsPlan UnitsTables::plan(bool toMetric) const {
  UnitsPlan plan;
  for (const BoundText& t : texts_)
    if (t.condition.holds())
      plan.texts_.push_back({t.control, t.row.property, toMetric ? t.row.metric : t.row.imperial});
  for (const BoundField& f : toMetric ? toMetric_ : toImperial_) {
    if (!f.condition.holds()) continue;
    const std::string& text = f.field->text();
    if (f.row.keepsNotApplicable && text == kNotApplicable) {
      plan.fields_.push_back({f.field, text});
      continue;
    }
    std::optional<double> value = tryRead(text, f.row.read);
    if (!value) {
      plan.unreadable_ = f.field;
      plan.unreadableRead_ = f.row.read;
      return plan;
    }
    plan.fields_.push_back({f.field, FormatGeneralFloat(ConvertUnits(f.row.kind, *value, toMetric))});
  }
  return plan;
}

void UnitsPlan::raiseUnreadable() const {
  if (unreadable_ != nullptr) {
    // The reader that refused the text raises its own error.
    if (unreadableRead_ == UnitsRead::AnyDecimal) NormalizeDecimalInput(unreadable_->text());
    ParseLocaleFloat(unreadable_->text());
  }
  throw std::logic_error("Units switch: no unreadable field to report");
}

void UnitsPlan::apply() const {
  for (const TextWrite& t : texts_) writeText(*t.control, t.property, t.value);
  for (const FieldWrite& f : fields_) f.field->setText(f.text);
}

}  // namespace cq
