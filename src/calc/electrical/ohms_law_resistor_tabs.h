#pragma once
// The Ohm's Law tabs of resistors: LED bias, resistors in series and in
// parallel, and the PI and T attenuator pads.
#include "app/bound_controls.h"
#include "app/page_context.h"
#include "platform/form.h"

namespace cq {

class OhmsLawResistorTabs {
 public:
  OhmsLawResistorTabs(PageContext page, Form& form);

  void CheckBox6Click(Control* sender);
  void RadioGroup16Click(Control* sender);
  void RadioGroup23Click(Control* sender);

  void solveLedBias();
  void solveSeries();
  void solveParallel();
  void solvePiPad();
  void solveTPad();

 private:
  struct Controls;
  PageContext page_;
  BoundControls<Controls> c_;
};

}  // namespace cq
