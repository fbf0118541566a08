#pragma once
// The PPM-XTAL Calculator page (calculator 14): the band of a crystal from
// its tolerance, the tolerance from a band, and the crystal's load
// capacitors.
#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class PpmXtalPage : public PageOf<CalculatorId::PpmXtal> {
 public:
  using PageOf::PageOf;
  void attach(Form& form) override;
  void solve(Control* sender) override;

  void SolvePPMXtal(Control* sender);

 private:
  // The number in the field; one that is not above zero is answered with
  // the message and the field reads "1" from the next solve on, while this
  // solve goes on with the entered number.
  double readPositive(Edit& field, const char* message);

  struct Controls;
  BoundControls<Controls> c_;
};

}  // namespace cq
