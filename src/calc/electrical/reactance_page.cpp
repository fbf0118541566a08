#include "calc/electrical/reactance_page.h"

#include <array>
#include <optional>

#include "calc/electrical/reactance_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

// Bound once, when the window is built.
struct XlXcReactancePage::Controls {
  Form& f;
  Edit& frequency = f.edit("Edit270");
  Edit& capacitance = f.edit("Edit271");
  Edit& inductance = f.edit("Edit272");
  Edit& frequencyUnit = f.edit("Edit278");
  Edit& capacitanceUnit = f.edit("Edit276");
  Edit& inductanceUnit = f.edit("Edit277");
  RadioGroup& frequencyUnits = f.radio("RadioGroup19");
  RadioGroup& capacitanceUnits = f.radio("RadioGroup17");
  RadioGroup& inductanceUnits = f.radio("RadioGroup18");
  Edit& capacitiveReactance = f.edit("Edit273");
  Edit& inductiveReactance = f.edit("Edit274");
  Edit& resonantFrequency = f.edit("Edit275");
};

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
  handlers.add("TForm1.RadioGroup19Click", this, &XlXcReactancePage::RadioGroup19Click);
  handlers.add("TForm1.RadioGroup17Click", this, &XlXcReactancePage::RadioGroup17Click);
  handlers.add("TForm1.RadioGroup18Click", this, &XlXcReactancePage::RadioGroup18Click);
}

void XlXcReactancePage::solve(Control* sender) { SolveXlXcReactance(sender); }

void XlXcReactancePage::attach(Form& form) { c_.bind(form); }

void XlXcReactancePage::RadioGroup19Click(Control* sender) {
  ShowUnit(c_->frequencyUnit, kFrequencyBoxes, c_->frequencyUnits.itemIndex());
  page().solve(sender);
}

void XlXcReactancePage::RadioGroup17Click(Control* sender) {
  ShowUnit(c_->capacitanceUnit, kCapacitanceBoxes, c_->capacitanceUnits.itemIndex());
  page().solve(sender);
}

void XlXcReactancePage::RadioGroup18Click(Control* sender) {
  ShowUnit(c_->inductanceUnit, kInductanceBoxes, c_->inductanceUnits.itemIndex());
  page().solve(sender);
}

void XlXcReactancePage::SolveXlXcReactance(Control*) {
  // Each input is read when its step comes, so a bad inductance leaves a
  // fresh capacitive reactance behind.
  const double hertz = FrequencyInHertz(ParseLocaleFloat(c_->frequency.text()), c_->frequencyUnits.itemIndex());
  const double farads = CapacitanceInFarads(ParseLocaleFloat(c_->capacitance.text()), c_->capacitanceUnits.itemIndex());
  page().show(c_->capacitiveReactance, "%.4f Ohms", CapacitiveReactance(hertz, farads));
  const double henries = InductanceInHenries(ParseLocaleFloat(c_->inductance.text()), c_->inductanceUnits.itemIndex());
  page().show(c_->inductiveReactance, "%.4f Ohms", InductiveReactance(hertz, henries));
  page().show(c_->resonantFrequency, "%.4f Hz", ResonantFrequency(farads, henries));
}

}  // namespace cq
