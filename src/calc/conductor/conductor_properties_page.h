#pragma once
// The Conductor Properties page (GroupBox5): its activation extras, the
// " Solve For ", parallel-conductor, plane and "DC" handlers, the caption
// swap between width and current, and its solver.
#include "app/bound_controls.h"
#include "app/page_of.h"
#include "calc/conductor/conductor_properties_solver.h"

namespace cq {

struct ConductorPropertiesControls;
class Temperatures;

class ConductorPropertiesPage : public PageOf<CalculatorId::ConductorProperties> {
 public:
  ConductorPropertiesPage(PageContext context, Temperatures& temperatures);
  ~ConductorPropertiesPage() override;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  void activationExtras() override;
  const LayoutTable* structureLayouts() const override;
  void afterStructureLayout(int item) override;
  // Only an outer layer is plated (conductor_properties_option_effects.cpp).
  ManualCopperEnabled manualCopperEnabled(int layerItem) const override;
  // The help button, the method text, the modifier inputs with " Solve For "
  // and the parallel radio, and while active the plane-weight radio.
  void ipcMethodChanged(int mode, bool active) override;
  void etchFactorChanged(int item) override;
  // " Solve For " is a choice only without the IPC-2152 modifiers.
  void ipcMethodRestored(int mode) override;
  bool finishesUnitsChange() const override { return true; }
  void finishUnitsChange(Control* sender) override { swap_current_width_labels(sender); }

  // Bound to no event: " Solve For ", the Units switch and the IPC method
  // call it. Always ends in the solve.
  void swap_current_width_labels(Control* sender);

  void RadioGroup8Click(Control* sender);
  void RadioGroup15Click(Control* sender);
  void RadioGroup2Click(Control* sender);
  void CheckBox1Click(Control* sender);

 private:
  Temperatures& temperatures_;
  BoundControls<ConductorPropertiesControls> c_;
  ConductorPropertiesSolver solver_{page(), temperatures_, c_};
};

}  // namespace cq
