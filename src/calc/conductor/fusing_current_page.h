#pragma once
// The Fusing Current page (calculator 7, GroupBox33): its activation extras
// and its solver.
#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class FusingCurrentPage : public PageOf<CalculatorId::FusingCurrent> {
 public:
  using PageOf::PageOf;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  ManualCopperEnabled manualCopperEnabled(int) const override { return {true, true}; }
  void etchFactorChanged(int item) override;
  void activationExtras() override;

  // The etch-factor text and picture of the page, from Form6's radio.
  void showEtchFactor();
  void SolveFusingCurrent();

 private:
  struct Controls;
  BoundControls<Controls> c_;
};

}  // namespace cq
