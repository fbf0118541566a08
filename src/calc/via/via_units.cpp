#include "calc/via/via_page.h"

#include "options/units_conversion.h"

namespace cq {

const UnitsPage* ViaPage::unitsTable() const {
  static const UnitsPage units{"Via Properties", MilsOrMm({"Edit52", "Edit53", "Edit54", "Edit55", "Edit56", "Edit336"}),
                               Lengths({{"Edit3", 1}, {"Edit4", 2}, {"Edit5", 3}, {"Edit6", 4}, {"Edit9", 5}, {"Edit335", 6}})};
  return &units;
}

}  // namespace cq
