#pragma once
// The Er Effective page (calculator 6): the effective permittivity of a
// surface microstrip at a frequency, and the hand-over of that result to
// the Wavelength Calculator.
#include <optional>

#include "app/page_of.h"
#include "calc/conductor/copper_choices.h"

namespace cq {

class WavelengthPage;

class ErEffectivePage : public PageOf<CalculatorId::ErEffective> {
 public:
  ErEffectivePage(PageContext context, WavelengthPage& wavelength)
      : PageOf(context), wavelength_(wavelength) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  void attach(Form& form) override;

  void Button5Click(Control* sender);
  void SolveErEffective(Control* sender);

 private:
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
