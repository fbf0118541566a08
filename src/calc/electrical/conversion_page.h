#pragma once
// The Conversion Calculator page (calculator 3): distance, temperature,
// decibel gain, complex-number and angle converters that solve together,
// the two "swap" boxes and "Send", which hands the polar angle to the
// angle converter.
#include <functional>
#include <string>

#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class ConversionPage : public PageOf<CalculatorId::Conversion> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  // The temperature and distance inputs never stay empty.
  std::function<void()> stepBeforeEverySolve() override;

  void CheckBox3Click(Control* sender);
  void CheckBox2Click(Control* sender);
  void BitBtn4Click(Control* sender);
  void SolveConversion(Control* sender);

 private:
  void solveGain(bool metric);
  void solveComplex();
  void solveAngle();

  struct Controls;
  BoundControls<Controls> c_;

  // What "Send" hands over: the angle as last printed in rectangular-to-
  // polar mode, and the angle last read in polar-to-rectangular mode.
  std::string lastPolarAngleText_;
  double lastPolarAngleInput_ = 0;
};

}  // namespace cq
