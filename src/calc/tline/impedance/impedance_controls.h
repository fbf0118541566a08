#pragma once
// The controls of the Conductor Impedance page and the Options panel that
// its solve reads and writes, bound once when the window is built.
#include <array>

#include "app/bound_controls.h"
#include "calc/conductor/copper_choices.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace cq {

struct ImpedanceControls {
  Form& f;
  Edit& er = f.edit("Edit7");
  Edit& width = f.edit("Edit67");  // W
  Edit& height = f.edit("Edit68");  // H or H1
  Edit& second = f.edit("Edit74");  // H2, spacing C or gap G
  Edit& frequency = f.edit("Edit226");  // MHz, Microstrip only
  Edit& zo = f.edit("Edit70");
  Edit& tpd = f.edit("Edit77");
  Edit& co = f.edit("Edit76");
  Edit& lo = f.edit("Edit73");
  Label& totalCopper = f.label("Label56");
  Label& erEffective = f.label("Label290");
  Label& restriction1 = f.label("Label85");
  Label& restriction2 = f.label("Label86");
  Label& restriction3 = f.label("Label246");
  Label& widthRowCaption = f.label("Label107");
  Label& widthRow = f.label("Label108");
  Label& heightRowCaption = f.label("Label111");
  Label& heightRow = f.label("Label112");
  Label& impedanceRow = f.label("Label261");
  Label& mode = f.label("Label116");  // narrow or wide
  Label& equalHeightsNote = f.label("Label188");
  Label& equalHeightsHint = f.label("Label191");
  RadioGroup& formula = f.radio("RadioGroup24");
  RadioGroup& structure = f.radio("RadioGroup3");
  RadioGroup& plating = f.radio("RadioGroup1");
  RadioGroup& baseCopper = f.radio("RadioGroup4");
  CopperControls copper{f};
  // Captions the solve never writes: bound so that a missing one fails at start.
  std::array<Label*, 7> fixedCaptions =
      BindEach<Label>(f, {"Label100", "Label101", "Label103", "Label104", "Label54", "Label114", "Label115"});
};

}  // namespace cq
