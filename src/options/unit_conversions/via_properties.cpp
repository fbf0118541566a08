#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage ViaPropertiesUnits() {
  return {"Via Properties",
          MilsOrMm({"Edit52", "Edit53", "Edit54", "Edit55", "Edit56", "Edit336"}),
          Lengths({"Edit3", "Edit4", "Edit5", "Edit6", "Edit9", "Edit335"})};
}

}  // namespace cq
