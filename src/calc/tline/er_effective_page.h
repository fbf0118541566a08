#pragma once
// The Er Effective page (calculator 6): the effective permittivity of a
// surface microstrip at a frequency, and the hand-over of that result to
// the Wavelength Calculator.
#include <optional>

#include "app/calculator_page.h"
#include "calc/conductor/copper_choices.h"

namespace cq {

class MainWindow;
class WavelengthPage;

class ErEffectivePage : public CalculatorPage {
 public:
  ErEffectivePage(PageContext context, WavelengthPage& wavelength)
      : CalculatorPage(context), main_(context.main()), wavelength_(wavelength) {}
  CalculatorId id() const override { return CalculatorId::ErEffective; }
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  void attach(Form& form) override;

  void Button5Click(Control* sender);
  void SolveErEffective(Control* sender);

 private:
  MainWindow& main_;
  WavelengthPage& wavelength_;
  std::optional<CopperControls> copper_;
  RadioGroup* units_ = nullptr;             // RadioGroup6
  Edit* er_ = nullptr;                      // Edit7
  Label* totalCopper_ = nullptr;            // Label56
  Label* info110_ = nullptr;                // Label110
  Label* info285_ = nullptr;                // Label285
  Edit* viaCount_ = nullptr;                // Edit227
  UpDown* viaCountStep_ = nullptr;          // UpDown6
  Edit* width_ = nullptr;                   // Edit25
  Edit* height_ = nullptr;                  // Edit46
  Edit* frequency_ = nullptr;               // Edit224
  Edit* result_ = nullptr;                  // Edit221
};

}  // namespace cq
