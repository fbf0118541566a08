#pragma once
// The XL-XC Reactance page (calculator 18): reactances of a capacitor and
// an inductor at a frequency and the pair's resonant frequency, each input
// with its own unit radio.
#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class XlXcReactancePage : public PageOf<CalculatorId::XlXcReactance> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;

  // The unit radios: the unit box shows the chosen unit, then a solve reads
  // the same number in it.
  void RadioGroup19Click(Control* sender);
  void RadioGroup17Click(Control* sender);
  void RadioGroup18Click(Control* sender);
  void SolveXlXcReactance(Control* sender);

 private:
  struct Controls;
  BoundControls<Controls> c_;
};

}  // namespace cq
