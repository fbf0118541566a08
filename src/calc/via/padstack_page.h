#pragma once
// The Padstack Calculator page (calculator 11, GroupBox10): the pad-type
// radio that lays the page out, the hole-type presets, the BGA ball combo
// and the pad-style radio. The computation is SolvePadstack's.
#include <string>

#include "app/bound_controls.h"
#include "app/page_of.h"
#include "calc/via/padstack_solve.h"

namespace cq {

class PadstackPage : public PageOf<CalculatorId::Padstack> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;
  void solve(Control* sender) override;
  const UnitsPage* unitsTable() const override;
  // A BGA land is looked up, not solved.
  bool solveEnabled() const override;

  void RadioGroup14Click(Control* sender);
  void ComboBox2Change(Control* sender);
  void ComboBox4Change(Control* sender);
  void RadioGroup7Click(Control* sender);

 private:
  // A ring or isolation text saved when the pad turned non-plated, with the
  // unit system it was saved in.
  struct SavedText {
    std::string text;
    bool metric = false;
  };

  void writeDefaults(int type);
  void fillBallList();
  void showRestored(Edit& field, const SavedText& saved) const;

  BoundControls<PadstackControls> c_;
  PadstackReadings readings_;
  SavedText savedAnnularRing_;
  SavedText savedIsolationWidth_;
};

}  // namespace cq
