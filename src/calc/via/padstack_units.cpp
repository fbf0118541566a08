#include "calc/via/padstack_page.h"

#include "options/units_conversion.h"

namespace cq {

namespace {
UnitsPage table() {
  UnitsPage page{"Padstack Calculator", MilsOrMm({"Edit59", "Edit60", "Edit61", "Edit212", "Edit214"}),
                 Lengths({{"Edit33", 15}, {"Edit211", 19}, {"Edit213", 20}})};
  // A pad without a ring or an isolation reads "N/A".
  for (const FieldStep& field : {FieldStep{"Edit34", 17}, FieldStep{"Edit35", 18}})
    page.fields.push_back({.name = field.name, .kind = UnitsKind::Length, .keepsNotApplicable = true, .step = field.step});
  return page;
}
}  // namespace

const UnitsPage* PadstackPage::unitsTable() const {
  static const UnitsPage units = table();
  return &units;
}

}  // namespace cq
