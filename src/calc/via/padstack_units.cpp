#include "calc/via/padstack_page.h"

#include "options/units_conversion.h"

namespace cq {

const UnitsPage* PadstackPage::unitsTable() const {
  static const UnitsPage units{
      "Padstack Calculator", MilsOrMm({"Edit59", "Edit60", "Edit61", "Edit212", "Edit214"}),
      Joined(Lengths({"Edit33", "Edit211", "Edit213"}),
             // A pad without a ring or an isolation reads "N/A".
             FieldsLike({.kind = UnitsKind::Length, .keepsNotApplicable = true}, {"Edit34", "Edit35"}))};
  return &units;
}

}  // namespace cq
