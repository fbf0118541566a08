#pragma once
// The Min Conductor Spacing page (calculator 9): its two radios and the
// solver that looks up or computes the spacing.
#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class MinSpacingPage : public PageOf<CalculatorId::MinSpacing> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;

  void RadioGroup9Click(Control* sender);
  void RadioGroup10Click(Control* sender);
  void SolveMinConductorSpacing(Control* sender);

 private:
  void showDevicePicture(int device);

  struct Controls;
  BoundControls<Controls> c_;
  // The voltage as the last solve parsed it; a nested solve leaves its own.
  double volts_ = 0;
};

}  // namespace cq
