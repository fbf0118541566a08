#pragma once
// The Conductor Impedance page (calculator 1, GroupBox15): one conductor in
// one of six structures, its " Formula Selection " radio, the structure
// layouts of the layer radio and the solve.
#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

struct ImpedanceControls;

class ConductorImpedancePage : public PageOf<CalculatorId::ConductorImpedance> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  const LayoutTable* structureLayouts() const override;
  // Only the surface "Microstrip" is plated.
  ManualCopperEnabled manualCopperEnabled(int layerItem) const override;
  // The coplanar wave guide is solved for fixed copper weights.
  void afterStructureLayout(int item) override;

  void RadioGroup24Click(Control* sender);

 private:
  void showModeForFormula();

  BoundControls<ImpedanceControls> c_;
};

}  // namespace cq
