#pragma once
// The Ohm's Law tabs of resistors: LED bias, resistors in series and in
// parallel, and the PI and T attenuator pads.
#include "app/bound_controls.h"
#include "app/page_context.h"
#include "platform/form.h"
#include "platform/handlers.h"

namespace cq {

class OhmsLawResistorTabs {
 public:
  explicit OhmsLawResistorTabs(PageContext page) : page_(page) {}

  // CheckBox6 and the count radios RadioGroup16 and RadioGroup23, by name;
  // they run once attached.
  void registerHandlers(HandlerRegistry& handlers);
  void attach(Form& form);

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
