#pragma once
// The Planar Inductors page (calculator 13): inner diameter, fill factor
// and inductance of a spiral whose shape is the item of the shared layer
// radio.
#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class PlanarInductorsPage : public PageOf<CalculatorId::PlanarInductors> {
 public:
  using PageOf::PageOf;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  const LayoutTable* structureLayouts() const override;

  void SolvePlanarInductors(Control* sender);

 private:
  struct Controls;
  BoundControls<Controls> c_;
};

}  // namespace cq
