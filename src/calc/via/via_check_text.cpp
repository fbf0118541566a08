#include "calc/via/via_check_text.h"

#include "platform/numbers.h"

namespace cq {

std::string ViaCheckText::str() const {
  if (isNumber_) return FormatGeneralFloat(number_);
  std::string text;
  text.reserve(before_.size() + limit_.size() + after_.size());
  text.append(before_);
  text.append(LocalizeDecimalPoint(std::string(limit_), comma_));
  text.append(after_);
  return text;
}

}  // namespace cq
