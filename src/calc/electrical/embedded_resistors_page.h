#pragma once
// The Embedded Resistors page (calculator 5): rectangular thick-film
// resistors (resistance and area) and annular ones (outer diameter, ring
// thickness and area for a target resistance), with the type radio that
// lays the page out.
#include "app/bound_controls.h"
#include "app/page_of.h"

namespace cq {

class EmbeddedResistorsPage : public PageOf<CalculatorId::EmbeddedResistors> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;

  void RadioGroup11Click(Control* sender);
  void SolveEmbeddedResistors(Control* sender);

 private:
  void layOutRectangular(int type);
  void layOutAnnular();
  void showPicture(Image& picture);
  void solveRectangular(bool metric);
  void solveAnnular(bool metric);

  struct Controls;
  BoundControls<Controls> c_;
};

}  // namespace cq
