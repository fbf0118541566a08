#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage PadstackUnits() {
  UnitsPage page{"Padstack Calculator", MilsOrMm({"Edit59", "Edit60", "Edit61", "Edit212", "Edit214"}),
                 Lengths({"Edit33", "Edit211", "Edit213"})};
  // A pad without a ring or an isolation reads "N/A".
  for (const char* name : {"Edit34", "Edit35"}) page.fields.push_back({name, UnitsKind::Length, UnitsRead::Locale, true});
  return page;
}

}  // namespace cq
