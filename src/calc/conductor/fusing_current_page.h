#pragma once
// The Fusing Current page (calculator 7, GroupBox33): its activation extras
// and its solver.
#include <optional>

#include "app/window_part.h"
#include "settings/etch_factor_display.h"

namespace cq {

class MainWindow;
class CalculatorSwitching;

class FusingCurrentPage : public WindowPart {
 public:
  FusingCurrentPage(MainWindow& main, CalculatorSwitching& switching) : main_(main), switching_(switching) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  // The etch-factor text and picture of the page, from Form6's radio.
  void showEtchFactor();
  void SolveFusingCurrent();

 private:
  MainWindow& main_;
  CalculatorSwitching& switching_;
  Form* form_ = nullptr;
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
