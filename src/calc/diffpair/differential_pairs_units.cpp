#include "calc/diffpair/differential_pairs_page.h"

#include "options/units_conversion.h"

namespace cq {

// Width, spacing, both heights and the coupled length; the voltage, the
// rise time and the target are not lengths.
const UnitsPage* DifferentialPairsPage::unitsTable() const {
  static const UnitsPage units{"Differential Pairs", MilsOrMm({"Edit62", "Edit63", "Edit64", "Edit65", "Edit399"}),
                               Lengths({"Edit21", "Edit26", "Edit27", "Edit32", "Edit398"})};
  return &units;
}

}  // namespace cq
