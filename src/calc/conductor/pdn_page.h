#pragma once
// The PDN Calculator page: target impedance of a rail and the capacitance
// and reactance of a plane pair, and its "DC" check box.
#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class PdnPage : public PageOf<CalculatorId::Pdn> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override { SolvePDN(sender); }
  const UnitsPage* unitsTable() const override;

  void CheckBox4Click(Control* sender);
  void SolvePDN(Control* sender);

 private:
  struct Controls;
  BoundControls<Controls> c_;
};

}  // namespace cq
