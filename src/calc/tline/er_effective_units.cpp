#include "calc/tline/er_effective_page.h"

#include "options/units_conversion.h"

namespace cq {

const UnitsPage* ErEffectivePage::unitsTable() const {
  static const UnitsPage units{"Er Effective", MilsOrMm({"Edit222", "Edit223"}), Lengths({"Edit25", "Edit46"})};
  return &units;
}

}  // namespace cq
