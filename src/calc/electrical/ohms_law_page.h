#pragma once
// The Ohm's Law page (calculator 10): the E-I-R panel, solved on every
// solve, above the tab control of small network calculators.
#include "app/bound_controls.h"
#include "app/page_of.h"
#include "calc/electrical/ohms_law_reactive_tabs.h"
#include "calc/electrical/ohms_law_resistor_tabs.h"

namespace cq {

class OhmsLawPage : public PageOf<CalculatorId::OhmsLaw> {
 public:
  explicit OhmsLawPage(PageContext context);
  ~OhmsLawPage() override;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override { SolveOhmsLaw(sender); }

  // The Solve For radio: relabels the panel; the input texts keep their
  // numbers and are read in their new meaning.
  void RadioGroup13Click(Control* sender);
  void TabControl3Change(Control* sender);
  void SolveOhmsLaw(Control* sender);

 private:
  void solveEir();

  struct Controls;
  BoundControls<Controls> c_;
  OhmsLawResistorTabs resistorTabs_{page()};
  OhmsLawReactiveTabs reactiveTabs_{page()};
};

}  // namespace cq
