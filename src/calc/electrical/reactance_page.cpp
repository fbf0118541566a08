#include "calc/electrical/reactance_page.h"

#include <array>
#include <optional>

#include "calc/electrical/reactance_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {

// What a unit radio's item writes into its unit box; the place is given
// where the box moves to fit the unit's width.
struct UnitPlace {
  int left;
  int width;
};
struct UnitBox {
  const char* text;
  std::optional<UnitPlace> place;
};

constexpr std::array<UnitBox, kFrequencyUnitCount> kFrequencyBoxes = {{
    {"GHz", UnitPlace{124, 42}},
    {"MHz", UnitPlace{124, 42}},
    {"KHz", UnitPlace{127, 42}},
    {"Hz", UnitPlace{139, 28}},
}};
constexpr std::array<UnitBox, kCapacitanceUnitCount> kCapacitanceBoxes = {{
    {"uF", std::nullopt},
    {"nF", std::nullopt},
    {"pF", std::nullopt},
}};
constexpr std::array<UnitBox, kInductanceUnitCount> kInductanceBoxes = {{
    {"mH", UnitPlace{134, 32}},
    {"uH", UnitPlace{139, 30}},
    {"nH", UnitPlace{139, 30}},
}};

template <std::size_t N>
void ShowUnit(Edit& box, const std::array<UnitBox, N>& boxes, int item) {
  // A radio emptied by code has no item and no unit to show.
  if (item < 0 || static_cast<std::size_t>(item) >= N) return;
  const UnitBox& unit = boxes[static_cast<std::size_t>(item)];
  box.setText(unit.text);
  if (unit.place) {
    Bounds bounds = box.bounds();
    bounds.left = unit.place->left;
    bounds.width = unit.place->width;
    box.setBounds(bounds);
  }
}
}  // namespace

void XlXcReactancePage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup19Click", [this](Control* sender) { RadioGroup19Click(sender); });
  handlers.add("TForm1.RadioGroup17Click", [this](Control* sender) { RadioGroup17Click(sender); });
  handlers.add("TForm1.RadioGroup18Click", [this](Control* sender) { RadioGroup18Click(sender); });
}

void XlXcReactancePage::solve(Control* sender) { SolveXlXcReactance(sender); }

void XlXcReactancePage::attach(Form& form) {
  frequency_ = &form.edit("Edit270");
  capacitance_ = &form.edit("Edit271");
  inductance_ = &form.edit("Edit272");
  frequencyUnit_ = &form.edit("Edit278");
  capacitanceUnit_ = &form.edit("Edit276");
  inductanceUnit_ = &form.edit("Edit277");
  frequencyUnits_ = &form.radio("RadioGroup19");
  capacitanceUnits_ = &form.radio("RadioGroup17");
  inductanceUnits_ = &form.radio("RadioGroup18");
  capacitiveReactance_ = &form.edit("Edit273");
  inductiveReactance_ = &form.edit("Edit274");
  resonantFrequency_ = &form.edit("Edit275");
}

void XlXcReactancePage::RadioGroup19Click(Control* sender) {
  ShowUnit(*frequencyUnit_, kFrequencyBoxes, frequencyUnits_->itemIndex());
  page().solve(sender);
}

void XlXcReactancePage::RadioGroup17Click(Control* sender) {
  ShowUnit(*capacitanceUnit_, kCapacitanceBoxes, capacitanceUnits_->itemIndex());
  page().solve(sender);
}

void XlXcReactancePage::RadioGroup18Click(Control* sender) {
  ShowUnit(*inductanceUnit_, kInductanceBoxes, inductanceUnits_->itemIndex());
  page().solve(sender);
}

void XlXcReactancePage::writeResult(Edit& field, const char* format, double value) {
  field.setText(page().localize(Format(format, value)));
}

void XlXcReactancePage::SolveXlXcReactance(Control*) {
  // Each input is read when its step comes, so a bad inductance leaves a
  // fresh capacitive reactance behind.
  const double hertz = FrequencyInHertz(ParseLocaleFloat(frequency_->text()), frequencyUnits_->itemIndex());
  const double farads = CapacitanceInFarads(ParseLocaleFloat(capacitance_->text()), capacitanceUnits_->itemIndex());
  writeResult(*capacitiveReactance_, "%.4f Ohms", CapacitiveReactance(hertz, farads));
  const double henries = InductanceInHenries(ParseLocaleFloat(inductance_->text()), inductanceUnits_->itemIndex());
  writeResult(*inductiveReactance_, "%.4f Ohms", InductiveReactance(hertz, henries));
  writeResult(*resonantFrequency_, "%.4f Hz", ResonantFrequency(farads, henries));
}

}  // namespace cq
