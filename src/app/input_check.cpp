#include "app/input_check.h"

#include <string>

#include "platform/numbers.h"

namespace cq {

std::optional<double> CheckValue(const PageContext& page, Edit& field, double value, const InputRule& rule,
                                 Control* sender) {
  if (!rule.refuses(value)) return value;
  page.dialogs().showInfo(std::string(rule.message));
  const bool comma = page.decimalComma() && !rule.correctedComma.empty();
  field.setText(std::string(comma ? rule.correctedComma : rule.corrected));
  switch (rule.followUp) {
    case FollowUp::KeepTyped: return value;
    case FollowUp::ReadCorrected: return ParseLocaleFloat(field.text());
    case FollowUp::Resolve: page.solve(sender); return value;
    case FollowUp::ResolveAndEnd: page.solve(sender); return std::nullopt;
    case FollowUp::End: return std::nullopt;
  }
  return std::nullopt;
}

std::optional<double> CheckInput(const PageContext& page, Edit& field, const InputRule& rule, Control* sender) {
  return CheckValue(page, field, ParseLocaleFloat(field.text()), rule, sender);
}

}  // namespace cq
