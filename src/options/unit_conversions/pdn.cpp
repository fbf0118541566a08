#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage PdnUnits() {
  return {"PDN Calculator",
          {{"Edit231", UnitsProperty::Text, "Sq.In", "Sq.mm"}, {"Edit232", UnitsProperty::Text, "mils", "mm"}},
          {{"Edit228", UnitsKind::Area}, {"Edit229", UnitsKind::Length}}};
}

}  // namespace cq
