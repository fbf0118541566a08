#pragma once
// Manual copper thicknesses in place of the copper-weight radios of the
// Options panel: which of the two manual boxes the active calculator takes,
// and the default thicknesses written when the boxes appear.
#include "app/decimal_mode.h"
#include "app/frame.h"
#include "platform/form.h"

namespace cq {


// Writes the boxes' defaults: microns outside Imperial, mils in the decimal
// mode in Imperial; a mode that is not known leaves the Imperial boxes as
// they are.
void WriteManualCopperDefaults(Edit& base, Edit& plating, bool imperial, DecimalMode mode);

class ManualCopperBoxes {
 public:
  explicit ManualCopperBoxes(Frame main);
  // The copper-weight radios again, the manual boxes hidden.
  void useRadios() const;
  // The manual boxes with the enabled states the active page asks for,
  // then the defaults of the unit system replace what they held.
  void useManualBoxes() const;

 private:
  Frame main_;
  RadioGroup& baseRadio_;
  RadioGroup& platingRadio_;
  GroupBox& baseBox_;
  GroupBox& platingBox_;
  Edit& base_;
  Edit& plating_;
  Edit& platingUnit_;
  RadioGroup& layer_;
};

}  // namespace cq
