#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage DifferentialPairsUnits() {
  return {"Differential Pairs", MilsOrMm({"Edit62", "Edit63", "Edit64", "Edit65", "Edit399"}),
          Lengths({"Edit21", "Edit26", "Edit27", "Edit32", "Edit398"})};
}

}  // namespace cq
