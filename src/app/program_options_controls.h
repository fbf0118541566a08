#pragma once
// The live choices of the Program Options window (TForm6) that the
// calculators read on every solve. That window is built after the main one,
// so its part binds these once it exists; a missing name fails then.
#include "platform/form.h"

namespace cq {

struct ProgramOptionsControls {
  explicit ProgramOptionsControls(Form& options);

  RadioGroup& ipcVersion;    // RadioGroup1
  RadioGroup& etchFactor;    // RadioGroup2
  CheckBox& manualCopper;    // CheckBox1 "Enter copper weight manually"
  CheckBox& viaHeight;       // CheckBox2: leave the board height out
  Edit& throughHoleLimit;    // Edit1, the through-hole aspect-ratio limit
  Edit& microviaLimit;       // Edit2, the microvia aspect-ratio limit
};

}  // namespace cq
