#pragma once
// Manual copper thicknesses in place of the copper-weight radios of the
// Options panel: which of the two manual boxes the active calculator takes,
// and the default thicknesses written when the boxes appear.
#include "platform/form.h"

namespace cq {

class MainWindow;

struct ManualCopperEnabled {
  bool base;
  bool plating;
};

// By the active calculator and the layer radio's item.
ManualCopperEnabled ManualCopperEnabledFor(int calculator, int layerItem);

class ManualCopperBoxes {
 public:
  explicit ManualCopperBoxes(MainWindow& main);
  // The copper-weight radios again, the manual boxes hidden.
  void useRadios() const;
  // The manual boxes with their enabled states, then the defaults of the
  // unit system replace what they held.
  void useManualBoxes() const;

 private:
  void writeDefaults() const;

  MainWindow& main_;
  RadioGroup& baseRadio_;
  RadioGroup& platingRadio_;
  GroupBox& baseBox_;
  GroupBox& platingBox_;
  Edit& base_;
  Edit& plating_;
  Edit& platingUnit_;
  RadioGroup& layer_;
  RadioGroup& units_;
  Label& decimalMode_;
};

}  // namespace cq
