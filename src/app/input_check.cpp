#include "app/input_check.h"

#include <string>

#include "platform/numbers.h"

namespace cq {

namespace {

// Tells the user and rewrites the field.
void Refuse(const PageContext& page, Edit& field, const RefusalTexts& rule) {
  page.dialogs().showInfo(std::string(rule.message));
  const bool comma = page.decimalComma() && !rule.correctedComma.empty();
  field.setText(std::string(comma ? rule.correctedComma : rule.corrected));
}

}  // namespace

double CheckValue(const PageContext& page, Edit& field, double value, const InputRule& rule, Control* sender) {
  if (!rule.refuses(value)) return value;
  Refuse(page, field, rule);
  switch (rule.followUp) {
    case FollowUp::KeepTyped: return value;
    case FollowUp::ReadCorrected: return ParseLocaleFloat(field.text());
    case FollowUp::Resolve: page.solve(sender); return value;
  }
  return value;
}

double CheckInput(const PageContext& page, Edit& field, const InputRule& rule, Control* sender) {
  return CheckValue(page, field, ParseLocaleFloat(field.text()), rule, sender);
}

bool EndsSolve(const PageContext& page, Edit& field, double value, const EndingRule& rule, Control* sender) {
  if (!rule.refuses(value)) return false;
  Refuse(page, field, rule);
  if (rule.ending == Ending::AfterResolve) page.solve(sender);
  return true;
}

}  // namespace cq
