#include "options/units_tables.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>

#include "app/units_field_order.h"
#include "platform/errors.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr std::string_view kNotApplicable = "N/A";

// Raises the conversion error of the reader that refuses the text.
double read(const std::string& text, UnitsRead reader) {
  return reader == UnitsRead::AnyDecimal ? NormalizeDecimalInput(text) : ParseLocaleFloat(text);
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

UnitsTables::UnitsTables(Form& form, const std::vector<UnitsPage>& pages) : form_(form) {
  // A text that two pages write would take the last page's, so the order
  // the pages were registered in would decide it.
  std::map<std::pair<std::string_view, UnitsProperty>, std::string_view> writer;
  for (const UnitsPage& page : pages) {
    for (const UnitsText& row : page.texts) {
      auto [it, added] = writer.try_emplace({row.control, row.property}, page.name);
      if (!added && it->second != page.name)
        throw DescriptionError("Units switch: " + std::string(row.control) + " is written by " +
                               std::string(it->second) + " and " + std::string(page.name));
      texts_.push_back({&form.control(std::string(row.control)), row, bind(row.condition)});
    }
    for (const UnitsField& row : page.fields)
      fields_.push_back({&form.edit(std::string(row.name)), row, bind(row.condition)});
  }
  const std::span<const std::string_view> order = UnitsFieldOrder();
  for (const BoundField& f : fields_)
    if (std::ranges::find(order, f.row.name) == order.end())
      throw DescriptionError("Units switch: " + std::string(f.row.name) + " has no place in the order");
  for (std::string_view name : order)
    for (const BoundField& f : fields_)
      if (f.row.name == name) toImperial_.push_back(f);
  for (size_t i = 1; i < toImperial_.size(); ++i)
    if (toImperial_[i - 1].row.name == toImperial_[i].row.name)
      throw DescriptionError("Units switch: " + std::string(toImperial_[i].row.name) + " is converted twice");
  toMetric_ = toImperial_;
  for (const BoundField& moved : toImperial_) {
    if (moved.row.metricAfter.empty()) continue;
    std::erase_if(toMetric_, [&](const BoundField& f) { return f.row.name == moved.row.name; });
    auto after = std::ranges::find_if(toMetric_, [&](const BoundField& f) { return f.row.name == moved.row.metricAfter; });
    if (after == toMetric_.end())
      throw DescriptionError("Units switch: no field " + std::string(moved.row.metricAfter) + " to follow");
    toMetric_.insert(after + 1, moved);
  }
}

std::vector<std::string_view> UnitsTables::order(bool toMetric) const {
  std::vector<std::string_view> names;
  for (const BoundField& f : toMetric ? toMetric_ : toImperial_) names.push_back(f.row.name);
  return names;
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
    try {
      const double converted = ConvertUnits(f.row.kind, read(text, f.row.read), toMetric);
      plan.fields_.push_back({f.field, FormatGeneralFloat(converted)});
    } catch (const FrameworkError&) {
      // The first refusal is the one reported; nothing after it is read.
      plan.refusal_ = std::current_exception();
      return plan;
    }
  }
  return plan;
}

void UnitsPlan::raiseRefusal() const {
  if (refusal_) std::rethrow_exception(refusal_);
  throw std::logic_error("Units switch: no refused field to report");
}

void UnitsPlan::apply() const {
  for (const TextWrite& t : texts_) writeText(*t.control, t.property, t.value);
  for (const FieldWrite& f : fields_) f.field->setText(f.text);
}

}  // namespace cq
