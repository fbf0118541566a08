#include "settings/manual_copper_boxes.h"

#include <array>

#include "app/calculator_page.h"
#include "platform/control_group.h"
#include "platform/numbers.h"

namespace cq {

void WriteManualCopperDefaults(Edit& base, Edit& plating, bool imperial, DecimalMode mode) {
  if (!imperial) {
    base.setText("18");
    plating.setText("35");
    return;
  }
  if (mode == DecimalMode::Unknown) return;
  const bool comma = mode == DecimalMode::Comma;
  base.setText(LocalizeDecimalPoint("0.7", comma));
  plating.setText(LocalizeDecimalPoint("1.4", comma));
}

ManualCopperBoxes::ManualCopperBoxes(Frame main)
    : main_(main),
      baseRadio_(main.form().radio("RadioGroup4")),
      platingRadio_(main.form().radio("RadioGroup1")),
      baseBox_(main.form().groupBox("GroupBox31")),
      platingBox_(main.form().groupBox("GroupBox32")),
      base_(main.form().edit("Edit136")),
      plating_(main.form().edit("Edit138")),
      platingUnit_(main.form().edit("Edit139")),
      layer_(main.form().radio("RadioGroup3")) {}

void ManualCopperBoxes::useRadios() const {
  baseRadio_.setVisible(true);
  platingRadio_.setVisible(true);
  baseBox_.setVisible(false);
  platingBox_.setVisible(false);
}

void ManualCopperBoxes::useManualBoxes() const {
  baseRadio_.setVisible(false);
  platingRadio_.setVisible(false);
  baseBox_.setVisible(true);
  platingBox_.setVisible(true);
  const CalculatorPage* page = main_.activePage();
  const ManualCopperEnabled enabled = page != nullptr ? page->manualCopperEnabled(layer_.itemIndex()) : ManualCopperEnabled{};
  baseBox_.setEnabled(enabled.base);
  SetEnabled(std::array<Control*, 3>{&platingBox_, &plating_, &platingUnit_}, enabled.plating);
  WriteManualCopperDefaults(base_, plating_, main_.unitsRadio().itemIndex() == 0, main_.decimalMode());
}

}  // namespace cq
