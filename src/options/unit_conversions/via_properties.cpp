#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage ViaPropertiesUnits() {
  return {"Via Properties",
          MilsOrMm({"Edit52", "Edit53", "Edit54", "Edit55", "Edit56", "Edit336"}),
          Lengths({{"Edit3", 1}, {"Edit4", 2}, {"Edit5", 3}, {"Edit6", 4}, {"Edit9", 5}, {"Edit335", 6}})};
}

}  // namespace cq
