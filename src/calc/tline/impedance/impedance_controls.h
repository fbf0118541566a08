#pragma once
// The controls of the Conductor Impedance page and the Options panel that
// its solve reads and writes, bound once when the window is built.
#include "calc/conductor/copper_choices.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace cq {

struct ImpedanceControls {
  explicit ImpedanceControls(Form& f);

  Edit& er;                  // Edit7
  Edit& width;               // Edit67: W
  Edit& height;              // Edit68: H or H1
  Edit& second;              // Edit74: H2, spacing C or gap G
  Edit& frequency;           // Edit226: MHz, Microstrip only
  Edit& zo;                  // Edit70
  Edit& tpd;                 // Edit77
  Edit& co;                  // Edit76
  Edit& lo;                  // Edit73
  Label& totalCopper;        // Label56
  Label& erEffective;        // Label290
  Label& restriction1;       // Label85
  Label& restriction2;       // Label86
  Label& restriction3;       // Label246
  Label& widthRowCaption;    // Label107
  Label& widthRow;           // Label108
  Label& heightRowCaption;   // Label111
  Label& heightRow;          // Label112
  Label& impedanceRow;       // Label261
  Label& mode;               // Label116: narrow or wide
  Label& equalHeightsNote;   // Label188
  Label& equalHeightsHint;   // Label191
  RadioGroup& formula;       // RadioGroup24
  RadioGroup& structure;     // RadioGroup3
  RadioGroup& plating;       // RadioGroup1
  RadioGroup& baseCopper;    // RadioGroup4
  CopperControls copper;
};

}  // namespace cq
