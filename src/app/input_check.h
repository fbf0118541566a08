#pragma once
// An input that breaks its rule: the message, the field rewritten with a
// safe text, then what the running solve does next. Every page check goes
// through here, so the follow-up is always stated.
#include <functional>
#include <optional>
#include <string_view>

#include "app/page_context.h"
#include "platform/controls.h"

namespace cq {

enum class FollowUp {
  KeepTyped,      // the running solve goes on with the refused value
  ReadCorrected,  // the running solve goes on with the rewritten text
  Resolve,        // a nested solve runs, then the running solve goes on with the refused value
  ResolveAndEnd,  // a nested solve runs; its results stand and the running solve ends
  End,            // the running solve ends
};

struct InputRule {
  std::function<bool(double)> refuses;
  std::string_view message;
  // The rewritten text in point and comma form; an empty comma form is the
  // point form.
  std::string_view corrected;
  std::string_view correctedComma = {};
  FollowUp followUp = FollowUp::ReadCorrected;
};

// The field's value for the running solve; nothing when the solve ends.
// A text that is no number raises the conversion error.
std::optional<double> CheckInput(const PageContext& page, Edit& field, const InputRule& rule,
                                 Control* sender = nullptr);

// The same check on a value already read from the field.
std::optional<double> CheckValue(const PageContext& page, Edit& field, double value, const InputRule& rule,
                                 Control* sender = nullptr);

}  // namespace cq
