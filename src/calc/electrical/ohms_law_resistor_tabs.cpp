#include "calc/electrical/ohms_law_resistor_tabs.h"

#include <array>
#include <initializer_list>
#include <span>
#include <string>

#include "calc/electrical/ohms_law_networks_model.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {

constexpr int kRowCount = 4;

// One resistor row: the input with its caption and unit box, then the
// result caption, the voltage drop or current and the power with theirs.
struct RowNames {
  const char* caption;
  const char* input;
  const char* inputUnit;
  const char* resultCaption;
  const char* amount;
  const char* amountUnit;
  const char* power;
  const char* powerUnit;
};
struct NetworkNames {
  const char* voltage;
  const char* count;
  std::array<RowNames, kRowCount> rows;
};

constexpr NetworkNames kSeriesNames = {
    "Edit252",
    "RadioGroup16",
    {{{"Label311", "Edit253", "Edit260", "Label315", "Edit262", "Edit266", "Edit301", "Edit305"},
      {"Label312", "Edit254", "Edit259", "Label316", "Edit263", "Edit267", "Edit302", "Edit306"},
      {"Label313", "Edit255", "Edit258", "Label317", "Edit264", "Edit268", "Edit303", "Edit307"},
      {"Label314", "Edit256", "Edit257", "Label318", "Edit265", "Edit269", "Edit304", "Edit308"}}}};
constexpr NetworkNames kParallelNames = {
    "Edit309",
    "RadioGroup23",
    {{{"Label283", "Edit310", "Edit317", "Label345", "Edit319", "Edit323", "Edit327", "Edit331"},
      {"Label342", "Edit311", "Edit316", "Label346", "Edit320", "Edit324", "Edit328", "Edit332"},
      {"Label343", "Edit312", "Edit315", "Label347", "Edit321", "Edit325", "Edit329", "Edit333"},
      {"Label344", "Edit313", "Edit314", "Label348", "Edit322", "Edit326", "Edit330", "Edit334"}}}};

struct Row {
  Form& f;
  const RowNames& n;
  Label& caption = f.label(n.caption);
  Edit& input = f.edit(n.input);
  Edit& inputUnit = f.edit(n.inputUnit);
  Label& resultCaption = f.label(n.resultCaption);
  Edit& amount = f.edit(n.amount);
  Edit& amountUnit = f.edit(n.amountUnit);
  Edit& power = f.edit(n.power);
  Edit& powerUnit = f.edit(n.powerUnit);
  void show(bool visible) const {
    for (Control* part : std::initializer_list<Control*>{&caption, &input, &inputUnit, &resultCaption, &amount,
                                                         &amountUnit, &power, &powerUnit})
      part->setVisible(visible);
  }
};

struct NetworkInputs {
  double volts;
  std::array<double, kRowCount> ohms;
  std::size_t count;  // the rows the count radio shows
  std::span<const double> used() const { return std::span(ohms).first(count); }
};

struct Network {
  Form& f;
  const NetworkNames& n;
  Edit& voltage = f.edit(n.voltage);
  RadioGroup& count = f.radio(n.count);
  std::array<Row, kRowCount> rows = {Row{f, n.rows[0]}, Row{f, n.rows[1]}, Row{f, n.rows[2]}, Row{f, n.rows[3]}};

  std::size_t used() const { return NetworkSize(count.itemIndex()); }
  void showUsedRows() {
    for (std::size_t k = 0; k < rows.size(); ++k) rows[k].show(k < used());
  }
  // Labels the result unit boxes, then reads the voltage and every row's
  // input, also those the count hides.
  NetworkInputs read(const char* amountUnit) const {
    for (const Row& row : rows) row.amountUnit.setText(amountUnit);
    NetworkInputs in{ParseLocaleFloat(voltage.text()), {}, used()};
    for (std::size_t k = 0; k < in.ohms.size(); ++k) in.ohms[k] = ParseLocaleFloat(rows[k].input.text());
    return in;
  }
};

// A pad's inputs, its two movable result boxes and the third one.
struct PadNames {
  const char* attenuation;
  const char* zin;
  const char* zout;
  const char* larger;
  const char* smaller;
  const char* third;
};
constexpr PadNames kPiNames = {"Edit288", "Edit281", "Edit282", "Edit283", "Edit284", "Edit285"};
constexpr PadNames kTNames = {"Edit290", "Edit292", "Edit294", "Edit295", "Edit296", "Edit297"};

struct Pad {
  Form& f;
  const PadNames& n;
  Edit& attenuation = f.edit(n.attenuation);
  Edit& zin = f.edit(n.zin);
  Edit& zout = f.edit(n.zout);
  Edit& larger = f.edit(n.larger);
  Edit& smaller = f.edit(n.smaller);
  Edit& third = f.edit(n.third);
};

// The rows "R1" (the Zin side) and "R2" (the Zout side) of a pad.
constexpr int kZinRowTop = 40;
constexpr int kZoutRowTop = 96;
constexpr const char* kZinRowHint = "R1 value based on inputs.";
constexpr const char* kZoutRowHint = "R2 value based on inputs.";

void PlaceInRow(Edit& box, int top, const char* hint) {
  Bounds bounds = box.bounds();
  bounds.top = top;
  box.setBounds(bounds);
  box.setHint(hint);
}

// What CheckBox6 makes of the LED tab.
struct LedLabels {
  const char* thirdCaption;  // Label305
  const char* thirdText;     // Edit239
  const char* thirdHint;
  int thirdUnitWidth, thirdUnitLeft;
  const char* thirdUnit;      // Edit243
  const char* resultCaption;  // Label303
  const char* resultHint;     // Edit237
  int resultUnitWidth, resultUnitLeft;
  const char* resultUnit;  // Edit240
};
constexpr std::array<LedLabels, 2> kLedLabels = {{
    {"LED Current", "10", "Enter the desired LED current.", 33, 106, "mA", "Resistor Value",
     "Calculated resistor value based on inputs.", 57, 262, "Ohms"},
    {"Resistor Value", "1000", "Enter the desired LED resistor value.", 57, 86, "Ohms", "LED Current",
     "Calculated LED current based on inputs.", 33, 282, "mA"},
}};

void PlaceUnit(Edit& box, int width, int left, const char* text) {
  Bounds bounds = box.bounds();
  bounds.width = width;
  bounds.left = left;
  box.setBounds(bounds);
  box.setText(text);
}

}  // namespace

struct OhmsLawResistorTabs::Controls {
  Form& f;
  Edit& supply = f.edit("Edit236");
  Edit& forward = f.edit("Edit238");
  Edit& third = f.edit("Edit239");
  Label& thirdCaption = f.label("Label305");
  Edit& thirdUnit = f.edit("Edit243");
  Edit& ledResult = f.edit("Edit237");
  Label& ledResultCaption = f.label("Label303");
  Edit& ledResultUnit = f.edit("Edit240");
  Edit& ledPower = f.edit("Edit299");
  CheckBox& solveForCurrent = f.checkBox("CheckBox6");
  Network series{f, kSeriesNames};
  Network parallel{f, kParallelNames};
  Pad pi{f, kPiNames};
  Pad t{f, kTNames};
  Label& totalCaption = f.label("Label55");
  Label& total = f.label("Label56");
  Label& currentCaption = f.label("Label319");
  Label& current = f.label("Label320");
};

void OhmsLawResistorTabs::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.CheckBox6Click", this, &OhmsLawResistorTabs::CheckBox6Click);
  handlers.add("TForm1.RadioGroup16Click", this, &OhmsLawResistorTabs::RadioGroup16Click);
  handlers.add("TForm1.RadioGroup23Click", this, &OhmsLawResistorTabs::RadioGroup23Click);
}

void OhmsLawResistorTabs::attach(Form& form) { c_.bind(form); }

void OhmsLawResistorTabs::CheckBox6Click(Control* sender) {
  const LedLabels& l = kLedLabels[c_->solveForCurrent.checked() ? 1 : 0];
  c_->thirdCaption.setCaption(l.thirdCaption);
  c_->third.setText(l.thirdText);
  c_->third.setHint(l.thirdHint);
  PlaceUnit(c_->thirdUnit, l.thirdUnitWidth, l.thirdUnitLeft, l.thirdUnit);
  c_->ledResultCaption.setCaption(l.resultCaption);
  c_->ledResult.setHint(l.resultHint);
  PlaceUnit(c_->ledResultUnit, l.resultUnitWidth, l.resultUnitLeft, l.resultUnit);
  page_.solve(sender);
}

void OhmsLawResistorTabs::RadioGroup16Click(Control* sender) {
  c_->series.showUsedRows();
  page_.solve(sender);
}

void OhmsLawResistorTabs::RadioGroup23Click(Control* sender) {
  c_->parallel.showUsedRows();
  page_.solve(sender);
}

void OhmsLawResistorTabs::solveLedBias() {
  const double supply = ParseLocaleFloat(c_->supply.text());
  const double forward = ParseLocaleFloat(c_->forward.text());
  const double third = ParseLocaleFloat(c_->third.text());
  if (c_->solveForCurrent.checked()) {
    const double milliamps = LedMilliamps(supply, forward, third);
    page_.show(c_->ledResult, "%.1f", milliamps);
    page_.show(c_->ledPower, "%.4f", LedWattsAtCurrent(supply, forward, milliamps));
  } else {
    page_.show(c_->ledResult, "%.1f", LedResistorOhms(supply, forward, third));
    page_.show(c_->ledPower, "%.4f", LedWattsAtCurrent(supply, forward, third));
  }
}

void OhmsLawResistorTabs::solveSeries() {
  Network& n = c_->series;
  c_->currentCaption.setCaption("Series Current");
  c_->totalCaption.setCaption("Total Resistance");
  const NetworkInputs in = n.read("V");
  const double total = SeriesSum(in.used());
  page_.show(c_->total, "%.3f Ohm's", total);
  const double amps = Div(in.volts, total);
  page_.show(c_->current, "%.8f Amps", amps);
  for (std::size_t k = 0; k < in.count; ++k) {
    const double drop = Mul(in.ohms[k], amps);
    page_.show(n.rows[k].amount, "%.4f", drop);
    page_.show(n.rows[k].power, "%.4f", Mul(drop, amps));
  }
}

void OhmsLawResistorTabs::solveParallel() {
  Network& n = c_->parallel;
  c_->currentCaption.setCaption("Total Current");
  c_->totalCaption.setCaption("Total Resistance");
  const NetworkInputs in = n.read("A");
  const double total = ParallelSum(in.used());
  page_.show(c_->total, "%.4f Ohm's", total);
  page_.show(c_->current, "%.8f Amps", Div(in.volts, total));
  for (std::size_t k = 0; k < in.count; ++k) {
    const double amps = Div(in.volts, in.ohms[k]);
    page_.show(n.rows[k].amount, "%.4f", amps);
    page_.show(n.rows[k].power, "%.4f", Mul(in.volts, amps));
  }
}

namespace {
// The resistor at the larger impedance stands in the row of the side that
// has it: "R1" for Zin, "R2" for Zout.
void PlacePadRows(const Pad& pad, bool zinLarger) {
  PlaceInRow(pad.larger, zinLarger ? kZinRowTop : kZoutRowTop, zinLarger ? kZinRowHint : kZoutRowHint);
  PlaceInRow(pad.smaller, zinLarger ? kZoutRowTop : kZinRowTop, zinLarger ? kZoutRowHint : kZinRowHint);
}

struct PadInputs {
  PadTerms terms;
  bool zinLarger;
};
// Zin, Zout and the attenuation, read in this order.
PadInputs ReadPad(const Pad& pad) {
  const double zin = ParseLocaleFloat(pad.zin.text());
  const double zout = ParseLocaleFloat(pad.zout.text());
  return {PadTermsFor(zin, zout, ParseLocaleFloat(pad.attenuation.text())), zin >= zout};
}
}  // namespace

void OhmsLawResistorTabs::solvePiPad() {
  const Pad& pad = c_->pi;
  c_->totalCaption.setCaption("Total Resistance");
  const PadInputs in = ReadPad(pad);
  const PadTerms& t = in.terms;
  const double s = PiSqrtRatio(t);
  page_.show(pad.larger, "%.2f Ohms", PiShuntAtLarger(t, s));
  page_.show(pad.smaller, "%.2f Ohms", PiShuntAtSmaller(t, s));
  PlacePadRows(pad, in.zinLarger);
  page_.show(pad.third, "%.2f Ohms", PiSeries(t));
}

void OhmsLawResistorTabs::solveTPad() {
  const Pad& pad = c_->t;
  c_->totalCaption.setCaption("Total Resistance");
  const PadInputs in = ReadPad(pad);
  const PadTerms& t = in.terms;
  const double shunt = TShunt(t);
  page_.show(pad.third, "%.2f Ohms", shunt);
  page_.show(pad.larger, "%.2f Ohms", TSeries(t, t.zmax, shunt));
  page_.show(pad.smaller, "%.2f Ohms", TSeries(t, t.zmin, shunt));
  PlacePadRows(pad, in.zinLarger);
}

}  // namespace cq
