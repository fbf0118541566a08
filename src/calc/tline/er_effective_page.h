#pragma once
// The Er Effective page (calculator 6): the effective permittivity of a
// surface microstrip at a frequency, and the hand-over of that result to
// the Wavelength Calculator.
#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class WavelengthPage;

class ErEffectivePage : public PageOf<CalculatorId::ErEffective> {
 public:
  ErEffectivePage(PageContext context, WavelengthPage& wavelength)
      : PageOf(context), wavelength_(wavelength) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  ManualCopperEnabled manualCopperEnabled(int) const override { return {true, true}; }
  bool acceptsAirSubstrate() const override { return false; }

  void Button5Click(Control* sender);
  void SolveErEffective(Control* sender);

 private:
  WavelengthPage& wavelength_;
  struct Controls;
  BoundControls<Controls> c_;
};

}  // namespace cq
