#include "calc/conductor/copper_choices.h"

namespace cq {

CopperSelection CopperSelectionOf(const CopperControls& main, const ProgramOptionsControls& options) {
  CopperSelection s;
  s.metric = main.units.itemIndex() == 1;
  s.baseItem = main.baseCopper.itemIndex();
  s.platingItem = main.plating.itemIndex();
  s.manual = options.manualCopper.checked();
  s.baseText = main.manualBase.text();
  s.platingText = main.manualPlating.text();
  return s;
}

}  // namespace cq
