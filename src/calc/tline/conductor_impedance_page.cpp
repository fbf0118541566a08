#include "calc/tline/conductor_impedance_page.h"

#include "calc/tline/impedance/impedance_controls.h"
#include "calc/tline/impedance/impedance_layouts.h"
#include "calc/tline/impedance/impedance_solve.h"

namespace cq {

namespace {
constexpr int kDefaultFormula = 0;
}  // namespace

void ConductorImpedancePage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup24Click", this, &ConductorImpedancePage::RadioGroup24Click);
}

void ConductorImpedancePage::attach(Form& form) { c_.bind(form); }

void ConductorImpedancePage::solve(Control* sender) { SolveConductorImpedance(page(), *c_, sender); }

const LayoutTable* ConductorImpedancePage::structureLayouts() const { return &ImpedanceLayouts(); }

void ConductorImpedancePage::afterStructureLayout(int item) {
  // The layout shows the mode text; it belongs to the default model only,
  // so another formula chosen earlier keeps it hidden.
  if (item == kStriplineAsym) showModeForFormula();
  if (item != kCoplanarWave) return;
  // The table has disabled both copper groups. Each selection that changes
  // its radio runs that radio's click handler, which stores it and solves.
  c_->plating.setItemIndex(kCoplanarPlatingItem);
  c_->baseCopper.setItemIndex(kCoplanarBaseItem);
}

ManualCopperEnabled ConductorImpedancePage::manualCopperEnabled(int layerItem) const {
  return {true, layerItem == kMicrostrip};
}

void ConductorImpedancePage::RadioGroup24Click(Control* sender) {
  showModeForFormula();
  page().solve(sender);
}

// Only the default model has a narrow and a wide mode to tell.
void ConductorImpedancePage::showModeForFormula() {
  c_->mode.setVisible(c_->formula.itemIndex() == kDefaultFormula);
}

}  // namespace cq
