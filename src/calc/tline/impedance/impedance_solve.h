#pragma once
// One solve of the Conductor Impedance page as its structure blocks see it:
// the page, its controls, the working values and the unit system. Each
// structure is one block function taking this.
#include <string_view>

#include "app/page_context.h"
#include "app/working_values.h"
#include "calc/tline/impedance/impedance_controls.h"

namespace cq {

struct ImpedanceSolve {
  const PageContext& page;
  ImpedanceControls& c;
  WorkingValues& v;
  bool metric;
  Control* sender;
};

using ImpedanceBlock = void (*)(ImpedanceSolve& s);

// The frame: unit branch, copper, the Er, W and H checks with their nested
// solves, then the block of the structure chosen in RadioGroup3.
void SolveConductorImpedance(const PageContext& page, ImpedanceControls& c, Control* sender);

// A length of a structure's own (H2, C, G) that must be positive: a refused
// value shows the message, the field is rewritten with the smallest length
// of the unit system, and this solve computes with it.
double ReadStructureLength(ImpedanceSolve& s, Edit& field, std::string_view message);

}  // namespace cq
