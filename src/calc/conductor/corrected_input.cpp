#include "calc/conductor/corrected_input.h"

#include "platform/numbers.h"

namespace cq {

double ParseCorrected(Dialogs& dialogs, Edit& field, bool (*breaksRule)(double), const std::string& message,
                      const std::string& safeText) {
  if (breaksRule(ParseLocaleFloat(field.text()))) {
    dialogs.showInfo(message);
    field.setText(safeText);
  }
  return ParseLocaleFloat(field.text());
}

}  // namespace cq
