#pragma once
// The Bandwidth & Max Conductor Length page (calculator 0): bandwidth,
// wavelength and the longest conductor that is not yet a transmission line,
// from a rise time or a frequency.
#include <string>

#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class BandwidthPage : public PageOf<CalculatorId::Bandwidth> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;

  void RadioGroup12Click(Control* sender);
  void RadioGroup20Click(Control* sender);
  void TrackBar2Change(Control* sender);
  void TrackBar3Change(Control* sender);
  void SolveBandwidth(Control* sender);

 private:
  struct Controls;
  BoundControls<Controls> c_;
};

}  // namespace cq
