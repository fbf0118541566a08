#pragma once
// The Wavelength Calculator page (calculator 17): wavelength in a medium
// from a period or a frequency, and the hand-over to Er Effective.
#include <initializer_list>
#include <string>

#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class WavelengthPage : public PageOf<CalculatorId::Wavelength> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  void activationExtras() override;

  void TrackBar4Change(Control* sender);
  void RadioGroup21Click(Control* sender);
  void RadioGroup22Click(Control* sender);
  void Button4Click(Control* sender);
  void SolveWavelength(Control* sender);

  // The Er Effective hand-over: its frequency in MHz and its result, as
  // texts. The activation that follows shows the input as a frequency in
  // MHz before it solves.
  void receiveFromErEffective(const std::string& mhz, const std::string& erEff);

 private:
  bool periodInput() const;
  void refillUnits(std::initializer_list<const char*> items, int selected);
  // During the activation: the radios move to "Frequency" and "MHz" and lay
  // the page out, and leave the solving to the activation.
  void showFrequencyInMhz();
  void solveUnlessQuiet(Control* sender);

  struct Controls;
  BoundControls<Controls> c_;
  bool handedOver_ = false;
  bool quiet_ = false;
};

}  // namespace cq
