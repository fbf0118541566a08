#include "calc/conductor/copper_choices.h"

namespace cq {

CopperControls::CopperControls(const Form& main)
    : units(main.radio("RadioGroup6")),
      baseCopper(main.radio("RadioGroup4")),
      plating(main.radio("RadioGroup1")),
      manualBase(main.edit("Edit136")),
      manualPlating(main.edit("Edit138")) {}

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
