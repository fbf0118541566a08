#pragma once
// The " Units " radio RadioGroup6: its click stores the chosen unit system
// and switches the whole main window to it, converting the pages' inputs in
// place, refilling the copper radios in that system's texts and solving.
#include <memory>
#include <string>
#include <vector>

#include "app/frame.h"
#include "app/window_part.h"
#include "options/copper_items.h"
#include "options/units_tables.h"

namespace cq {

class CopperWeightRadios;

// The tables the switch applies: the Options panel's own, then every
// registered page's.
std::vector<UnitsPage> UnitsPagesOf(Frame main);

class UnitsSwitch : public WindowPart {
 public:
  UnitsSwitch(Frame main, CopperWeightRadios& copper);
  ~UnitsSwitch() override;
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void RadioGroup6Click(Control* sender);

 private:
  void putBackSelection(bool metric);
  void readStoredCopper();
  void refillCopperRadio(RadioGroup& radio, CopperRadio kind, const std::string& stored, bool metric);
  void refillPlaneRadio(bool metric);

  Frame main_;
  CopperWeightRadios& copper_;
  RadioGroup* units_ = nullptr;
  RadioGroup* plating_ = nullptr;
  RadioGroup* base_ = nullptr;
  RadioGroup* plane_ = nullptr;
  TabControl* tabs_ = nullptr;
  std::unique_ptr<UnitsTables> tables_;
  std::string unitsValue_;
  bool puttingBack_ = false;
};

}  // namespace cq
