#pragma once
// The copper and etch choices that the conductor solvers read on every
// solve: the unit system and copper-weight radios of the Options panel, and
// the live choices of the Program Options window (Form6).
#include "calc/conductor/copper_weight.h"
#include "platform/application.h"
#include "platform/form.h"

namespace cq {

// Form6; it is created after the main window, so solvers look it up when
// they run.
Form& ProgramOptionsForm(const Application& app);

// Units (RadioGroup6), base copper (RadioGroup4), plating (RadioGroup1),
// "Enter copper weight manually" (Form6.CheckBox1) and the manual boxes
// (Edit136, Edit138). The texts point into the boxes: use the selection
// before either box is written again.
CopperSelection CopperSelectionOf(const Form& main, const Form& programOptions);

// The item of the etch-factor radio Form6.RadioGroup2.
int EtchFactorItem(const Form& programOptions);

// The item of the IPC method radio Form6.RadioGroup1.
int IpcVersionItem(const Form& programOptions);

}  // namespace cq
