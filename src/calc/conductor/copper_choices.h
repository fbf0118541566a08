#pragma once
// The copper and etch choices that the conductor solvers read on every
// solve: the unit system and copper-weight radios of the Options panel, and
// the live choices of the Program Options window.
#include "app/program_options_controls.h"
#include "calc/conductor/copper_weight.h"
#include "platform/form.h"

namespace cq {

// The main window's side of the copper choice, bound with the page.
struct CopperControls {
  const Form& f;
  const RadioGroup& units = f.radio("RadioGroup6");
  const RadioGroup& baseCopper = f.radio("RadioGroup4");
  const RadioGroup& plating = f.radio("RadioGroup1");
  const Edit& manualBase = f.edit("Edit136");
  const Edit& manualPlating = f.edit("Edit138");
};

// Units, base copper, plating, "Enter copper weight manually" and
// copies of the manual boxes.
CopperSelection CopperSelectionOf(const CopperControls& main, const ProgramOptionsControls& options);

}  // namespace cq
