#include "options/unit_conversions/unit_pages.h"

namespace cq {

std::vector<UnitsPage> AllUnitsPages() {
  return {ManualCopperUnits()};
}

}  // namespace cq
