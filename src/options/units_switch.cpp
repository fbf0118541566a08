#include "options/units_switch.h"

#include <algorithm>
#include <array>
#include <vector>

#include "app/calculator_page.h"
#include "app/setting_writer.h"
#include "app/settings_key.h"
#include "options/copper_weight_radios.h"
#include "options/unit_conversions/unit_pages.h"
#include "platform/numbers.h"
#include "platform/registry.h"

namespace cq {


std::vector<UnitsPage> UnitsPagesOf(Frame main) {
  std::vector<UnitsPage> pages = AllUnitsPages();
  for (CalculatorPage* page : main.pages())
    if (const UnitsPage* table = page->unitsTable()) pages.push_back(*table);
  return pages;
}

UnitsSwitch::UnitsSwitch(Frame main, CopperWeightRadios& copper) : main_(main), copper_(copper) {}

UnitsSwitch::~UnitsSwitch() = default;

void UnitsSwitch::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup6Click", this, &UnitsSwitch::RadioGroup6Click);
}

void UnitsSwitch::attach(Form& form) {
  units_ = &form.radio("RadioGroup6");
  plating_ = &form.radio("RadioGroup1");
  base_ = &form.radio("RadioGroup4");
  plane_ = &form.radio("RadioGroup5");
  tabs_ = &form.get<TabControl>("TabControl1");
  tables_ = std::make_unique<UnitsTables>(form, UnitsPagesOf(main_));
}

void UnitsSwitch::RadioGroup6Click(Control* sender) {
  if (puttingBack_) return;
  const bool metric = units_->itemIndex() == 1;

  // Every field is read and converted before any changes: one that holds
  // no number, or whose value leaves the double range in the other system,
  // leaves the window, the radio and the stored system as they were.
  const UnitsPlan plan = tables_->plan(metric);
  if (!plan.convertible()) {
    putBackSelection(metric);
    plan.raiseRefusal();
  }
  // From here on a refused write does not stop the switch half way: the
  // window finishes switching and the first refused value is reported once.
  HeldSettingFailures failures(main_.app().dialogs());
  // The choice is stored before the solves below: one that fails must not
  // leave the window in the new system and the store in the old.
  WriteSetting(main_.app().services().settings, "Units", unitsValue_, metric ? "1" : "0");
  readStoredCopper();
  plan.apply();

  // Each selection after a refill stores its index and solves.
  refillCopperRadio(*plating_, CopperRadio::Plating, copper_.PlateWeight(), metric);
  refillCopperRadio(*base_, CopperRadio::Base, copper_.BaseWeight(), metric);
  refillPlaneRadio(metric);

  main_.finishUnitsChange(sender);
  main_.solve(sender);
  failures.raiseFirst();
}

void UnitsSwitch::putBackSelection(bool metric) {
  puttingBack_ = true;
  units_->setItemIndex(metric ? 0 : 1);
  puttingBack_ = false;
}

void UnitsSwitch::readStoredCopper() {
  Registry registry(main_.app().services().settings);
  if (registry.openKeyReadOnly(kSettingsKey)) copper_.BaseWeight() = registry.readString("Base_Weight");
  copper_.PlateWeight() = registry.readString("Plate_Weight");
  registry.closeKey();
}

void UnitsSwitch::refillCopperRadio(RadioGroup& radio, CopperRadio kind, const std::string& stored, bool metric) {
  // A stored index that is missing or damaged keeps the weight on show:
  // the radio must not be left without a selection.
  const int item = TryTextToInt(stored).value_or(radio.itemIndex());
  radio.setItems(CopperItems(kind, CopperFormFor(metric, main_.decimalComma())));
  // An index past the last item selects the last one.
  radio.setItemIndex(std::max(item, 0));
}

void UnitsSwitch::refillPlaneRadio(bool metric) {
  // The tab, not the active calculator, says which page shows.
  const CalculatorPage* shown = main_.page(static_cast<CalculatorId>(tabs_->tabIndex()));
  if (const PlaneSelection* own = shown != nullptr ? shown->planeSelection() : nullptr) {
    // A page's own selection keeps its item.
    const int item = std::max(plane_->itemIndex(), 0);
    plane_->setItems(own->items);
    plane_->setItemIndex(item);
    return;
  }
  plane_->setItems(metric ? std::vector<std::string>{"35um", "70um"} : std::vector<std::string>{"1oz", "2oz"});
  plane_->setItemIndex(0);
}

}  // namespace cq
