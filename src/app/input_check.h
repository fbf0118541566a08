#pragma once
// An input that breaks its rule: the message, the field rewritten with a
// safe text, then what the running solve does next. Every page check goes
// through here, so the follow-up is always stated. A rule that goes on and
// a rule that ends the solve are different types: the check of the first
// always yields the value to go on with, the check of the second only says
// whether the solve ends, so neither can be misread.
#include <functional>
#include <string_view>

#include "app/page_context.h"
#include "platform/controls.h"

namespace cq {

// What the running solve goes on with after a refused value.
enum class FollowUp {
  KeepTyped,      // the refused value
  ReadCorrected,  // the rewritten text
  Resolve,        // a nested solve runs, then the refused value
};

// How the running solve ends after a refused value.
enum class Ending {
  AfterResolve,  // a nested solve runs; its results stand
  Now,
};

// The refusal and what the user is told.
struct RefusalTexts {
  std::function<bool(double)> refuses;
  std::string_view message;
  // The rewritten text in point and comma form; an empty comma form is the
  // point form.
  std::string_view corrected;
  std::string_view correctedComma = {};
};

// A rule after which the solve goes on.
struct InputRule : RefusalTexts {
  FollowUp followUp = FollowUp::ReadCorrected;
};

// A rule after which the solve ends.
struct EndingRule : RefusalTexts {
  Ending ending = Ending::Now;
};

// The field's value for the running solve. A text that is no number raises
// the conversion error.
double CheckInput(const PageContext& page, Edit& field, const InputRule& rule, Control* sender = nullptr);

// The same check on a value already read from the field.
double CheckValue(const PageContext& page, Edit& field, double value, const InputRule& rule,
                  Control* sender = nullptr);

// Whether the running solve ends: true when the rule refuses the value.
[[nodiscard]] bool EndsSolve(const PageContext& page, Edit& field, double value, const EndingRule& rule,
                             Control* sender = nullptr);

}  // namespace cq
