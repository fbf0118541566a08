#include "settings/manual_copper_boxes.h"

#include <array>

#include "app/main_window.h"
#include "platform/control_group.h"

namespace cq {

ManualCopperEnabled ManualCopperEnabledFor(int calculator, int layerItem) {
  switch (calculator) {
    case 1: return {true, layerItem == 0};  // Conductor Impedance: "Microstrip"
    case 2: return {true, layerItem == 1};  // Conductor Properties: "External Layer"
    case 4: return {true, layerItem == 0};  // Differential Pairs: "Edge Cpld Ext"
    case 6:                                 // Er Effective
    case 7: return {true, true};            // Fusing Current
    default: return {false, false};
  }
}

ManualCopperBoxes::ManualCopperBoxes(MainWindow& main)
    : main_(main),
      baseRadio_(main.form().radio("RadioGroup4")),
      platingRadio_(main.form().radio("RadioGroup1")),
      baseBox_(main.form().groupBox("GroupBox31")),
      platingBox_(main.form().groupBox("GroupBox32")),
      base_(main.form().edit("Edit136")),
      plating_(main.form().edit("Edit138")),
      platingUnit_(main.form().edit("Edit139")),
      layer_(main.form().radio("RadioGroup3")),
      units_(main.form().radio("RadioGroup6")),
      decimalMode_(main.form().label("Label165")) {}

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
  const ManualCopperEnabled enabled = ManualCopperEnabledFor(main_.CurrentCalculator, layer_.itemIndex());
  baseBox_.setEnabled(enabled.base);
  SetEnabled(std::array<Control*, 3>{&platingBox_, &plating_, &platingUnit_}, enabled.plating);
  writeDefaults();
}

void ManualCopperBoxes::writeDefaults() const {
  if (units_.itemIndex() != 0) {
    base_.setText("18");
    plating_.setText("35");
    return;
  }
  // Mils in the program's decimal mode; a mode that is neither leaves the
  // boxes as they are.
  if (decimalMode_.caption() == "0") {
    base_.setText("0.7");
    plating_.setText("1.4");
  } else if (decimalMode_.caption() == "1") {
    base_.setText("0,7");
    plating_.setText("1,4");
  }
}

}  // namespace cq
