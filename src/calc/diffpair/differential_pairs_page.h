#pragma once
// The Differential Pairs page (calculator 4, GroupBox8): the protocol
// targets, the tolerance track bar, the target box and the hand-over of
// the pair's impedance to the differential-via calculator.
#include "app/bound_controls.h"
#include "app/page_of.h"
#include "calc/diffpair/differential_layouts.h"

namespace cq {

struct DifferentialPairsControls;

class DifferentialPairsPage : public PageOf<CalculatorId::DifferentialPairs> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  // The tolerance caption follows the decimal mode from the first showing on.
  void activationExtras() override { showTolerance(); }
  const LayoutTable* structureLayouts() const override;
  // Only "Edge Cpld Ext" lies on the plated outer layer.
  ManualCopperEnabled manualCopperEnabled(int layerItem) const override {
    return {true, layerItem == kEdgeCoupledExternal};
  }
  const UnitsPage* unitsTable() const override;

  void TrackBar1Change(Control* sender);
  void ComboBox5Change(Control* sender);
  void Edit151Click(Control* sender);
  void Edit151Exit(Control* sender);
  void Button18Click(Control* sender);

 private:
  void showTolerance();
  BoundControls<DifferentialPairsControls> c_;
};

}  // namespace cq
