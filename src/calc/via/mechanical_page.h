#pragma once
// The Mechanical Info page (calculator 8): the wire-gauge lookup. The drill
// and thread charts are fixed texts of the window description.
#include "app/calculator_page.h"

namespace cq {

class MainWindow;

class MechanicalPage : public CalculatorPage {
 public:
  explicit MechanicalPage(PageContext context) : CalculatorPage(context), main_(context.main()) {}
  CalculatorId id() const override { return CalculatorId::Mechanical; }
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  void attach(Form& form) override;

  void SolveMechanicalInformation();

 private:
  MainWindow& main_;
  ComboBox* gauge_ = nullptr;       // ComboBox3
  RadioGroup* units_ = nullptr;     // RadioGroup6
  Edit* diameter_ = nullptr;        // Edit41
  Edit* resistance_ = nullptr;      // Edit95
  Edit* chassisAmps_ = nullptr;     // Edit102
  Edit* powerTxAmps_ = nullptr;     // Edit141
};

}  // namespace cq
