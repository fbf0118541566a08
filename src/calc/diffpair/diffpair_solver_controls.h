#pragma once
// The controls the Differential Pairs solve reads and writes, bound once.
#include "calc/conductor/copper_choices.h"
#include "calc/diffpair/differential_pairs_solver.h"
#include "platform/form.h"

namespace cq {

struct DifferentialPairsSolver::Controls {
  explicit Controls(Form& f)
      : structure(f.radio("RadioGroup3")),
        er(f.edit("Edit7")),
        width(f.edit("Edit21")),
        spacing(f.edit("Edit26")),
        height(f.edit("Edit27")),
        height2(f.edit("Edit32")),
        appliedVoltage(f.edit("Edit394")),
        coupledLength(f.edit("Edit398")),
        riseTime(f.edit("Edit400")),
        target(f.edit("Edit151")),
        tolerance(f.trackBar("TrackBar1")),
        viaThermal110(f.label("Label110")),
        viaThermal285(f.label("Label285")),
        totalCopper(f.label("Label56")),
        saturationLength(f.label("Label403")),
        widthRatio(f.label("Label397")),
        spacingRatio(f.label("Label398")),
        effectiveEr(f.label("Label113")),
        zo(f.edit("Edit28")),
        zdiff(f.edit("Edit29")),
        zodd(f.edit("Edit388")),
        zeven(f.edit("Edit389")),
        kb(f.edit("Edit390")),
        kbUnterminated(f.edit("Edit391")),
        kbDb(f.edit("Edit392")),
        kbUnterminatedDb(f.edit("Edit393")),
        nextTerminated(f.edit("Edit396")),
        nextUnterminated(f.edit("Edit397")),
        upperBound(f.edit("Edit30")),
        lowerBound(f.edit("Edit31")),
        withinTarget(f.get<Shape>("Shape1")),
        equalHeightsNotice{&f.label("Label192"), &f.label("Label259"), &f.label("Label394")},
        copper(f) {}

  RadioGroup& structure;
  Edit& er;
  Edit& width;
  Edit& spacing;
  Edit& height;
  Edit& height2;
  Edit& appliedVoltage;
  Edit& coupledLength;
  Edit& riseTime;
  Edit& target;
  TrackBar& tolerance;

  Label& viaThermal110;
  Label& viaThermal285;
  Label& totalCopper;
  Label& saturationLength;
  Label& widthRatio;
  Label& spacingRatio;
  Label& effectiveEr;  // hidden; kept for the record
  Edit& zo;
  Edit& zdiff;
  Edit& zodd;
  Edit& zeven;
  Edit& kb;
  Edit& kbUnterminated;
  Edit& kbDb;
  Edit& kbUnterminatedDb;
  Edit& nextTerminated;
  Edit& nextUnterminated;
  Edit& upperBound;
  Edit& lowerBound;
  Shape& withinTarget;
  Label* equalHeightsNotice[3];
  CopperControls copper;
};

}  // namespace cq
