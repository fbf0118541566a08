#pragma once
// The controls of the Differential Pairs page and the Options panel that its
// handlers and its solve read and write, bound once when the window is built.
#include "calc/conductor/copper_choices.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace cq {

struct DifferentialPairsControls {
  Form& f;
  RadioGroup& structure = f.radio("RadioGroup3");
  Edit& er = f.edit("Edit7");
  Edit& width = f.edit("Edit21");
  Edit& spacing = f.edit("Edit26");
  Edit& height = f.edit("Edit27");
  Edit& height2 = f.edit("Edit32");
  Edit& appliedVoltage = f.edit("Edit394");
  Edit& coupledLength = f.edit("Edit398");
  Edit& riseTime = f.edit("Edit400");
  ComboBox& protocol = f.comboBox("ComboBox5");
  Edit& target = f.edit("Edit151");
  TrackBar& tolerance = f.trackBar("TrackBar1");
  Label& toleranceCaption = f.label("Label46");
  // The hand-over to the differential-via calculator.
  RadioGroup& viaSelection = f.radio("RadioGroup5");
  Edit& viaPairImpedance = f.edit("Edit386");

  Label& viaThermal110 = f.label("Label110");
  Label& viaThermal285 = f.label("Label285");
  Label& totalCopper = f.label("Label56");
  Label& saturationLength = f.label("Label403");
  Label& widthRatio = f.label("Label397");
  Label& spacingRatio = f.label("Label398");
  Label& effectiveEr = f.label("Label113");  // hidden; kept for the record
  Edit& zo = f.edit("Edit28");
  Edit& zdiff = f.edit("Edit29");
  Edit& zodd = f.edit("Edit388");
  Edit& zeven = f.edit("Edit389");
  Edit& kb = f.edit("Edit390");
  Edit& kbUnterminated = f.edit("Edit391");
  Edit& kbDb = f.edit("Edit392");
  Edit& kbUnterminatedDb = f.edit("Edit393");
  Edit& nextTerminated = f.edit("Edit396");
  Edit& nextUnterminated = f.edit("Edit397");
  Edit& upperBound = f.edit("Edit30");
  Edit& lowerBound = f.edit("Edit31");
  Shape& withinTarget = f.get<Shape>("Shape1");
  Label* equalHeightsNotice[3] = {&f.label("Label192"), &f.label("Label259"), &f.label("Label394")};
  CopperControls copper{f};
};

}  // namespace cq
