#pragma once
// The Mechanical Info page (calculator 8): the wire-gauge lookup. The drill
// and thread charts are fixed texts of the window description.
#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class MechanicalPage : public PageOf<CalculatorId::Mechanical> {
 public:
  using PageOf::PageOf;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;

  void SolveMechanicalInformation();

 private:
  struct Controls;
  BoundControls<Controls> c_;
};

}  // namespace cq
