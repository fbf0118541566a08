#pragma once
// The Via Properties page (calculator 16, GroupBox1): the IPC-mode text of
// its activation, the single-via and differential-via layouts of the
// " Property Selection " radio, the "Full Plane Opening" box and the solve.
#include "app/bound_controls.h"
#include "app/page_of.h"
#include "calc/via/differential_via_solver.h"
#include "calc/via/via_solver.h"

namespace cq {

class Temperatures;
struct ViaControls;

class ViaPage : public PageOf<CalculatorId::ViaProperties> {
 public:
  ViaPage(PageContext context, Temperatures& temperatures);
  ~ViaPage() override;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  void activationExtras() override { showIpcMode(); }
  // The layer set: its layout, then the defaults of that set.
  const LayoutTable* structureLayouts() const override;
  void afterStructureLayout(int item) override;
  // " Property Selection ": single or differential vias.
  const PlaneSelection* planeSelection() const override;
  void planeRadioSelected(int item) override { layOut(item); }
  // The method text, and while active whether the via height is an input
  // (via_ipc_effects.cpp).
  void ipcMethodChanged(int mode, bool active) override;
  // The via's own texts at start, before any layer set is chosen.
  void writeStartingTexts() override;

  void showIpcMode();
  void layOut(int item);
  void CheckBox5Click(Control* sender);
  void SolveViaProperties();

 private:
  // Both vias in one opening or each in its own, as CheckBox5 says.
  void showOpeningPicture();

  Temperatures& temperatures_;
  BoundControls<ViaControls> c_;
  DifferentialViaSolver differential_{page(), c_};
  ViaSolver solver_{page(), temperatures_, c_, differential_};
};

}  // namespace cq
