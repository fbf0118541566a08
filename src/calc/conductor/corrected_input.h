#pragma once
// An input whose value breaks its rule: the message, the field rewritten
// with a safe text, and the field parsed again so that the correction
// counts in the running solve.
#include <string>

#include "platform/controls.h"
#include "platform/services.h"

namespace cq {

double ParseCorrected(Dialogs& dialogs, Edit& field, bool (*breaksRule)(double), const std::string& message,
                      const std::string& safeText);

}  // namespace cq
