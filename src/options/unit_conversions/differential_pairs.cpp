#include "options/unit_conversions/unit_pages.h"

namespace cq {

UnitsPage DifferentialPairsUnits() {
  return {"Differential Pairs", MilsOrMm({"Edit62", "Edit63", "Edit64", "Edit65", "Edit399"}),
          Lengths({{"Edit21", 11}, {"Edit26", 12}, {"Edit27", 13}, {"Edit32", 14}, {"Edit398", 16}})};
}

}  // namespace cq
