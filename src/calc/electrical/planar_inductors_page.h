#pragma once
// The Planar Inductors page (calculator 13): inner diameter, fill factor
// and inductance of a spiral whose shape is the item of the shared layer
// radio.
#include "app/page_of.h"

namespace cq {

class PlanarInductorsPage : public PageOf<CalculatorId::PlanarInductors> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  const LayoutTable* structureLayouts() const override;
  void attach(Form& form) override;

  void SolvePlanarInductors(Control* sender);

 private:
  void write(Edit& output, const char* format, double value);

  RadioGroup* shape_ = nullptr;     // RadioGroup3
  RadioGroup* units_ = nullptr;     // RadioGroup6
  Edit* turns_ = nullptr;           // Edit88
  Edit* width_ = nullptr;           // Edit89
  Edit* spacing_ = nullptr;         // Edit91
  Edit* outer_ = nullptr;           // Edit92
  Edit* inner_ = nullptr;           // Edit94
  Edit* fill_ = nullptr;            // Edit93
  Edit* inductance_ = nullptr;      // Edit90
};

}  // namespace cq
