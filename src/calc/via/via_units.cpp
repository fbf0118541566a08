#include "calc/via/via_page.h"

#include "options/units_conversion.h"

namespace cq {

const UnitsPage* ViaPage::unitsTable() const {
  static const UnitsPage units{"Via Properties", MilsOrMm({"Edit52", "Edit53", "Edit54", "Edit55", "Edit56", "Edit336"}),
                               Lengths({"Edit3", "Edit4", "Edit5", "Edit6", "Edit9", "Edit335"})};
  return &units;
}

}  // namespace cq
