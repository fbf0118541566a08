#pragma once
// The Fusing Current page (calculator 7, GroupBox33): its activation extras
// and its solver.
#include <optional>

#include "app/page_of.h"
#include "calc/conductor/copper_choices.h"
#include "settings/etch_factor_display.h"

namespace cq {

class FusingCurrentPage : public PageOf<CalculatorId::FusingCurrent> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  void activationExtras() override;
  void attach(Form& form) override;

  // The etch-factor text and picture of the page, from Form6's radio.
  void showEtchFactor();
  void SolveFusingCurrent();

 private:
  std::optional<CopperControls> copper_;
  RadioGroup* units_ = nullptr;
  Edit* width_ = nullptr;
  Edit* time_ = nullptr;
  Edit* multiplier_ = nullptr;
  Edit* crossSection_ = nullptr;
  Edit* current_ = nullptr;
  Label* circularCaption_ = nullptr;
  Label* circularMils_ = nullptr;
  Label* meltingTemp_ = nullptr;
  Label* totalCopper_ = nullptr;
  std::optional<EtchFactorPage> etchFactor_;
};

}  // namespace cq
