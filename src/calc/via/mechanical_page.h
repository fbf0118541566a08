#pragma once
// The Mechanical Info page (calculator 8): the wire-gauge lookup. The drill
// and thread charts are fixed texts of the window description.
#include "app/page_of.h"

namespace cq {

class MechanicalPage : public PageOf<CalculatorId::Mechanical> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  void attach(Form& form) override;

  void SolveMechanicalInformation();

 private:
  ComboBox* gauge_ = nullptr;       // ComboBox3
  RadioGroup* units_ = nullptr;     // RadioGroup6
  Edit* diameter_ = nullptr;        // Edit41
  Edit* resistance_ = nullptr;      // Edit95
  Edit* chassisAmps_ = nullptr;     // Edit102
  Edit* powerTxAmps_ = nullptr;     // Edit141
};

}  // namespace cq
