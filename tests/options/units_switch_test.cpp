// The Units switch: conversions of every page's inputs, the unit boxes, the
// copper radios it refills, the stored unit system, and a field that holds
// no number.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "options/copper_items.h"
#include "options/units_conversion.h"
#include "options/units_switch.h"
#include "options/units_tables.h"
#include "platform/controls.h"
#include "platform/numbers.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

constexpr int kImperial = 0;
constexpr int kMetric = 1;

// Expected values by hand: mils x 0.0254 = mm, mils x 25.4 = um,
// square inches / 0.00155 = square mm, per square inch / 645.16 = per
// square mm, each rounded to the digits the direction keeps.
struct ConversionCase {
  UnitsKind kind;
  double value;
  bool toMetric;
  double expected;
};

TEST(UnitsConversion, ConvertsAndRoundsEachKindBothWays) {
  const ConversionCase cases[] = {
      {UnitsKind::Length, 10, true, 0.254},
      {UnitsKind::Length, 1, true, 0.0254},
      {UnitsKind::Length, 1.234, true, 0.0313},  // 0.0313436 keeps four decimals
      {UnitsKind::Length, 0.254, false, 10},
      {UnitsKind::Length, 0.0313, false, 1.23},  // 1.232283 keeps two
      {UnitsKind::Micrometre, 0.7, true, 17.78},
      {UnitsKind::Micrometre, 1.4, true, 35.56},
      {UnitsKind::Micrometre, 17.78, false, 0.7},
      {UnitsKind::Area, 64, true, 41290.3226},  // 41290.322580...
      {UnitsKind::Area, 41290.3226, false, 64},
      {UnitsKind::PerArea, 25, true, 0.03875},  // 0.0387500775...
      {UnitsKind::PerArea, 0.03875, false, 25},  // 24.99995
      {UnitsKind::Length, 0, true, 0},
      {UnitsKind::Length, -10, true, -0.254},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << (c.toMetric ? " to Metric" : " to Imperial"));
    EXPECT_EQ(ConvertUnits(c.kind, c.value, c.toMetric), c.expected);
  }
}

void setField(TestProgram& t, const std::string& name, const std::string& text) {
  // Most fields sit on pages not on show; the switch reads them all.
  t.form().edit(name).setText(text);
}

// One input per row: its text, after a switch to Metric and back.
struct RoundTrip {
  const char* page;
  const char* field;
  const char* imperial;
  const char* metric;
  const char* back;
};

const RoundTrip kRoundTrips[] = {
    {"Via Properties", "Edit3", "10", "0.254", "10"},
    {"Via Properties", "Edit4", "21", "0.5334", "21"},
    {"Via Properties", "Edit5", "41.234", "1.0473", "41.23"},
    {"Via Properties", "Edit6", "62", "1.5748", "62"},
    {"Via Properties", "Edit9", "1", "0.0254", "1"},
    {"Via Properties", "Edit335", "60", "1.524", "60"},
    {"Conductor Properties", "Edit15", "10", "0.254", "10"},
    {"Conductor Properties", "Edit18", "1000", "25.4", "1000"},
    {"Conductor Properties", "Edit126", "62", "1.5748", "62"},
    {"Conductor Properties", "Edit132", "10", "0.254", "10"},
    {"Options", "Edit136", "0.7", "17.78", "0.7"},
    {"Options", "Edit138", "1.4", "35.56", "1.4"},
    {"Differential Pairs", "Edit21", "10", "0.254", "10"},
    {"Differential Pairs", "Edit26", "5", "0.127", "5"},
    {"Differential Pairs", "Edit27", "15", "0.381", "15"},
    {"Differential Pairs", "Edit32", "5", "0.127", "5"},
    {"Differential Pairs", "Edit398", "100", "2.54", "100"},
    {"Padstack Calculator", "Edit33", "32", "0.8128", "32"},
    {"Padstack Calculator", "Edit34", "N/A", "N/A", "N/A"},
    {"Padstack Calculator", "Edit35", "12", "0.3048", "12"},
    {"Padstack Calculator", "Edit211", "32", "0.8128", "32"},
    {"Padstack Calculator", "Edit213", "7", "0.1778", "7"},
    {"Conductor Impedance", "Edit67", "5", "0.127", "5"},
    {"Conductor Impedance", "Edit68", "10", "0.254", "10"},
    {"Conductor Impedance", "Edit74", "8", "0.2032", "8"},
    {"Conversion Calculator", "Edit80", "10", "0.254", "10"},
    {"Conversion Calculator", "Edit85", "100", "100", "100"},  // a temperature
    {"Fusing Current", "Edit140", "10", "0.254", "10"},
    {"PDN Calculator", "Edit228", "64", "41290.3226", "64"},
    {"PDN Calculator", "Edit229", "2", "0.0508", "2"},
    {"Planar Inductors", "Edit89", "10", "254", "10"},
    {"Planar Inductors", "Edit91", "2.5", "63.5", "2.5"},
    {"Planar Inductors", "Edit92", "350", "8890", "350"},
    {"Embedded Resistors", "Edit157", "100", "2.54", "100"},
    {"Embedded Resistors", "Edit158", "50", "1.27", "50"},
    {"Embedded Resistors", "Edit154", "25", "0.03875", "25"},
    {"Er Effective", "Edit25", "5", "0.127", "5"},
    {"Er Effective", "Edit46", "10", "0.254", "10"},
};

TEST(UnitsSwitch, ConvertsEveryPageToMetricAndBack) {
  TestProgram t;
  for (const RoundTrip& r : kRoundTrips) setField(t, r.field, r.imperial);
  t.selectRadio("RadioGroup6", kMetric);
  for (const RoundTrip& r : kRoundTrips) {
    SCOPED_TRACE(std::string(r.page) + " " + r.field);
    EXPECT_EQ(t.text(r.field), r.metric);
  }
  t.selectRadio("RadioGroup6", kImperial);
  for (const RoundTrip& r : kRoundTrips) {
    SCOPED_TRACE(std::string(r.page) + " " + r.field);
    EXPECT_EQ(t.text(r.field), r.back);
  }
  EXPECT_TRUE(t.takeMessages().empty());
}

// N/A means "no ring" or "no isolation" and stays through any switches.
TEST(UnitsSwitch, PadstackNotApplicableSurvivesRepeatedSwitches) {
  TestProgram t;
  setField(t, "Edit34", "N/A");
  setField(t, "Edit35", "N/A");
  for (int units : {kMetric, kImperial, kMetric, kImperial}) {
    t.selectRadio("RadioGroup6", units);
    EXPECT_EQ(t.text("Edit34"), "N/A");
    EXPECT_EQ(t.text("Edit35"), "N/A");
  }
  EXPECT_TRUE(t.takeMessages().empty());
}

struct UnitText {
  const char* control;
  const char* imperial;
  const char* metric;
};

// Every unit box the switch writes, page by page.
const UnitText kUnitTexts[] = {
    {"Edit52", "mils", "mm"},      {"Edit53", "mils", "mm"},      {"Edit54", "mils", "mm"},
    {"Edit55", "mils", "mm"},      {"Edit56", "mils", "mm"},      {"Edit336", "mils", "mm"},
    {"Edit58", "mils", "mm"},      {"Edit127", "mils", "mm"},     {"Edit133", "mils", "mm"},
    {"Edit137", "mils", "um"},     {"Edit139", "mils", "um"},     {"Edit62", "mils", "mm"},
    {"Edit63", "mils", "mm"},      {"Edit64", "mils", "mm"},      {"Edit65", "mils", "mm"},
    {"Edit399", "mils", "mm"},     {"Edit59", "mils", "mm"},      {"Edit60", "mils", "mm"},
    {"Edit61", "mils", "mm"},      {"Edit212", "mils", "mm"},     {"Edit214", "mils", "mm"},
    {"Edit71", "mils", "mm"},      {"Edit72", "mils", "mm"},      {"Edit75", "mils", "mm"},
    {"Edit82", "mils", "mm"},      {"Edit83", "mm", "mils"},      {"Edit144", "in", "um"},
    {"Edit145", "um", "in"},       {"Edit86", "\u00B0F", "\u00B0C"}, {"Edit87", "\u00B0C", "\u00B0F"},
    {"Edit155", "mils", "mm"},     {"Edit231", "Sq.In", "Sq.mm"}, {"Edit232", "mils", "mm"},
    {"Edit96", "mils", "um"},      {"Edit97", "mils", "um"},      {"Edit98", "mils", "um"},
    {"Edit100", "mils", "um"},     {"Edit101", "mils", "um"},     {"Edit164", "mils", "mm"},
    {"Edit165", "mils", "mm"},     {"Edit222", "mils", "mm"},     {"Edit223", "mils", "mm"},
    {"Label200", "Ohms per 1000'", "Ohms per km"},
};

TEST(UnitsSwitch, RewritesUnitBoxesChartsAndHints) {
  TestProgram t;
  for (int units : {kMetric, kImperial}) {
    t.selectRadio("RadioGroup6", units);
    const bool metric = units == kMetric;
    for (const UnitText& u : kUnitTexts) {
      SCOPED_TRACE(u.control);
      EXPECT_EQ(t.text(u.control), metric ? u.metric : u.imperial);
    }
    EXPECT_EQ(t.form().control("GroupBox19").visible(), !metric);
    EXPECT_EQ(t.form().control("GroupBox46").visible(), metric);
    EXPECT_EQ(t.form().control("Edit154").hint(),
              metric ? "Enter the resistive value of the material per square mm."
                     : "Enter the resistive value of the material per square inch.");
  }
}

// Rows that count only in one mode of their page.
TEST(UnitsSwitch, LeavesACurrentAndATargetResistanceAlone) {
  TestProgram t;
  t.form().radio("RadioGroup8").setItemIndex(1);   // "Conductor Width": Edit15 holds amperes
  t.form().radio("RadioGroup11").setItemIndex(2);  // "Embedded Annular Resistor": Edit158 holds ohms
  setField(t, "Edit15", "3");
  setField(t, "Edit158", "50");
  t.selectRadio("RadioGroup6", kMetric);
  EXPECT_EQ(t.text("Edit15"), "3");
  EXPECT_EQ(t.text("Edit158"), "50");
  const Control& box = t.form().control("Edit165");
  EXPECT_EQ(box.caption(), "Ohms");
  EXPECT_EQ(box.bounds().left, 124);
  EXPECT_EQ(box.bounds().width, 53);

  t.form().radio("RadioGroup11").setItemIndex(0);
  t.selectRadio("RadioGroup6", kImperial);
  EXPECT_EQ(t.text("Edit158"), "1968.5");  // 50 mm read as the width
  EXPECT_EQ(box.caption(), "mils");
  EXPECT_EQ(box.bounds().left, 140);
  EXPECT_EQ(box.bounds().width, 37);
}

// A field that holds no number ends the switch before anything changes:
// the radio goes back, no field, box or radio is rewritten, nothing is
// stored and nothing solves.
struct BadField {
  const char* field;
  const char* text;
};

TEST(UnitsSwitch, AFieldThatHoldsNoNumberLeavesEverythingAsItWas) {
  const BadField cases[] = {{"Edit229", "abc"}, {"Edit33", "N/A"}, {"Edit80", ""}, {"Edit46", "1,5"}};
  for (int from : {kImperial, kMetric}) {
    for (const BadField& c : cases) {
      SCOPED_TRACE(std::string(c.field) + (from == kMetric ? " from Metric" : " from Imperial"));
      TestProgram t;
      if (from == kMetric) t.selectRadio("RadioGroup6", kMetric);
      setField(t, c.field, c.text);
      const std::string via = t.text("Edit3");
      const std::string viaBox = t.text("Edit52");
      const std::string label = t.text("Label200");
      const bool imperialChart = t.form().control("GroupBox19").visible();
      const std::vector<std::string> base = t.items("RadioGroup4");
      const std::vector<std::string> plane = t.items("RadioGroup5");
      const size_t writes = t.fakes.settings.writes.size();
      t.takeMessages();
      t.takeSolves();

      t.selectRadio("RadioGroup6", 1 - from);

      const auto messages = t.takeMessages();
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_EQ(messages[0].kind, Message::Kind::Error);
      EXPECT_EQ(messages[0].text, "'" + std::string(c.text) + "' is not a valid floating point value");
      EXPECT_EQ(t.itemIndex("RadioGroup6"), from);
      EXPECT_EQ(t.text(c.field), c.text);
      EXPECT_EQ(t.text("Edit3"), via);  // converted before the bad field in the order
      EXPECT_EQ(t.text("Edit52"), viaBox);
      EXPECT_EQ(t.text("Label200"), label);
      EXPECT_EQ(t.form().control("GroupBox19").visible(), imperialChart);
      EXPECT_EQ(t.items("RadioGroup4"), base);
      EXPECT_EQ(t.items("RadioGroup5"), plane);
      EXPECT_EQ(t.fakes.settings.writes.size(), writes);
      EXPECT_EQ(t.takeSolves(), 0);
    }
  }
}

// Everything a refused switch must leave as it was.
struct WindowState {
  std::map<std::string, std::string> texts;
  std::map<std::string, bool> shown;
  std::map<std::string, std::vector<std::string>> items;
  std::map<std::string, int> selected;
  std::map<std::string, std::string> stored;
  friend bool operator==(const WindowState&, const WindowState&) = default;
};

WindowState StateOf(TestProgram& t) {
  WindowState s;
  for (Control* c : t.form().allControls()) {
    s.texts[c->name()] = c->caption();
    s.shown[c->name()] = c->visible();
    if (auto* radio = dynamic_cast<RadioGroup*>(c)) {
      s.items[c->name()] = radio->items();
      s.selected[c->name()] = radio->itemIndex();
    }
  }
  s.stored = t.fakes.settings.keys[TestProgram::settingsKey()];
  return s;
}

// Whether the text reads back as the switch reads it.
bool ReadsAsANumber(const UnitsField& row, const std::string& text) {
  if (row.keepsNotApplicable && text == "N/A") return true;
  return (row.read == UnitsRead::AnyDecimal ? TryNormalizeDecimalInput(text) : TryParseLocaleFloat(text))
      .has_value();
}

// One switch to the other system: either it is refused as an overflow and
// nothing changed, or every converted field holds a number the switch can
// read again. Returns whether it was refused.
bool SwitchRefusedOrReadable(TestProgram& t, const std::vector<UnitsField>& rows, int to) {
  const WindowState before = StateOf(t);
  const size_t writes = t.fakes.settings.writes.size();
  t.takeMessages();
  t.takeSolves();
  t.selectRadio("RadioGroup6", to);
  if (t.itemIndex("RadioGroup6") != to) {
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{Message::Kind::Error, "Floating point overflow", ""}}));
    EXPECT_TRUE(StateOf(t) == before) << "a refused switch changed the window or the store";
    EXPECT_EQ(t.fakes.settings.writes.size(), writes);
    EXPECT_EQ(t.takeSolves(), 0);
    return true;
  }
  EXPECT_EQ(t.setting("Units"), to == kMetric ? "1" : "0");
  for (const UnitsField& row : rows)
    EXPECT_TRUE(ReadsAsANumber(row, t.text(std::string(row.name)))) << row.name << " holds " << t.text(std::string(row.name));
  return false;
}

// Every converted field of the switch's own rows, holding a value near
// either end of the double range, switched both ways and back in both
// decimal modes. Scaled for rounding, these values pass the double range in
// most fields: the framework's arithmetic raises there, before any field
// changes.
TEST(UnitsSwitch, AConversionBeyondTheDoubleRangeIsRefusedAndChangesNothing) {
  int refused = 0;
  int converted = 0;
  for (const char* separator : {".", ","}) {
    StartOptions options;
    options.decimalSeparator = separator;
    std::vector<UnitsField> rows;
    {
      TestProgram lister(options);
      for (const UnitsPage& page : UnitsPagesOf(lister.main()))
        rows.insert(rows.end(), page.fields.begin(), page.fields.end());
    }
    ASSERT_GE(rows.size(), 37u);
    for (int from : {kImperial, kMetric}) {
      for (const char* value : {"1E308", "-1E306"}) {
        for (const UnitsField& row : rows) {
          SCOPED_TRACE(testing::Message() << row.name << " " << value << (from == kMetric ? " from Metric" : " from Imperial")
                                          << " with '" << separator << "'");
          TestProgram t(options);
          if (from == kMetric) t.selectRadio("RadioGroup6", kMetric);
          setField(t, std::string(row.name), value);
          // There and back: a value converted once must survive the next switch too.
          if (SwitchRefusedOrReadable(t, rows, 1 - from)) {
            ++refused;
            continue;
          }
          ++converted;
          if (SwitchRefusedOrReadable(t, rows, from))
            ++refused;
          else
            ++converted;
        }
      }
    }
  }
  // Both outcomes occur: 1E308 overflows a length either way, while a
  // square-inch area shrinks towards Imperial.
  EXPECT_GT(refused, 0);
  EXPECT_GT(converted, 0);
}

// With several bad fields the error names the first in the switch's order,
// which puts the sheet resistance early only towards Metric.
TEST(UnitsSwitch, ReportsTheFirstBadFieldInTheOrderOfItsDirection) {
  TestProgram t;
  t.selectRadio("RadioGroup6", kMetric);
  setField(t, "Edit154", "sheet");
  setField(t, "Edit157", "length");
  t.takeMessages();
  t.selectRadio("RadioGroup6", kImperial);
  ASSERT_EQ(t.messages().size(), 1u);
  EXPECT_EQ(t.takeMessages()[0].text, "'length' is not a valid floating point value");

  TestProgram u;
  setField(u, "Edit154", "sheet");
  setField(u, "Edit157", "length");
  u.selectRadio("RadioGroup6", kMetric);
  ASSERT_EQ(u.messages().size(), 1u);
  EXPECT_EQ(u.takeMessages()[0].text, "'sheet' is not a valid floating point value");
}

// The conversion sequence runs across the pages; each page's table states
// the steps of its own fields. The sequence below is the switch's documented
// one, written out by hand.
TEST(UnitsSwitch, ConvertsTheFieldsOfAllPagesInOneSequence) {
  TestProgram t;
  const UnitsTables tables(t.form(), UnitsPagesOf(t.main()));
  const std::vector<std::string_view> toImperial = {
      "Edit3",   "Edit4",   "Edit5",   "Edit6",   "Edit9",   "Edit335", "Edit15",  "Edit136", "Edit138", "Edit18",
      "Edit21",  "Edit26",  "Edit27",  "Edit32",  "Edit33",  "Edit398", "Edit34",  "Edit35",  "Edit211", "Edit213",
      "Edit67",  "Edit68",  "Edit74",  "Edit80",  "Edit126", "Edit132", "Edit140", "Edit228", "Edit229", "Edit89",
      "Edit91",  "Edit92",  "Edit157", "Edit25",  "Edit46",  "Edit158", "Edit154"};
  EXPECT_EQ(tables.order(false), toImperial);
  // Towards Metric the sheet resistance follows the conductor width.
  std::vector<std::string_view> toMetric(toImperial.begin(), toImperial.end() - 1);
  toMetric.insert(toMetric.begin() + 7, "Edit154");
  EXPECT_EQ(tables.order(true), toMetric);
}

TEST(UnitsSwitch, TablesWithAFieldOutsideTheOrderOrTwiceFailWhenTheWindowIsBuilt) {
  TestProgram t;
  const UnitsPage noPlace{"Fixture", {}, Lengths({"Edit1"})};
  EXPECT_THROW(UnitsTables(t.form(), {noPlace}), DescriptionError);
  const UnitsPage twice{"Fixture", {}, Lengths({"Edit3", "Edit4", "Edit3"})};
  EXPECT_THROW(UnitsTables(t.form(), {twice}), DescriptionError);
  const UnitsPage strayFollow{"Fixture", {}, {{.name = "Edit3", .kind = UnitsKind::Length, .metricAfter = "Edit999"}}};
  EXPECT_THROW(UnitsTables(t.form(), {strayFollow}), DescriptionError);
}

// Two pages writing one unit text would leave it to the later registered.
TEST(UnitsSwitch, AUnitTextOfTwoPagesFailsWhenTheWindowIsBuilt) {
  TestProgram t;
  const UnitsPage first{"First", {{"Label8", UnitsProperty::Text, "mils", "mm"}}, {}};
  const UnitsPage second{"Second", {{"Label8", UnitsProperty::Text, "in", "cm"}}, {}};
  EXPECT_THROW(UnitsTables(t.form(), {first, second}), DescriptionError);
  // One page may write a text under two conditions.
  EXPECT_NO_THROW(UnitsTables(t.form(), {first, first}));
}

TEST(UnitsSwitch, StoresTheUnitSystemAndSolvesOncePerSelectionSwapAndAtTheEnd) {
  TestProgram t;
  t.takeSolves();
  std::vector<std::string> unitsAtSolve;
  t.main().addPreSolveStep([&] { unitsAtSolve.push_back(t.setting("Units")); });
  t.selectRadio("RadioGroup6", kMetric);
  // Plating, base copper, plane radio, the caption swap, the final solve;
  // the choice is stored before the first of them.
  EXPECT_EQ(unitsAtSolve, (std::vector<std::string>{"1", "1", "1", "1", "1"}));
  t.selectRadio("RadioGroup6", kImperial);
  EXPECT_EQ(t.setting("Units"), "0");
}

// Every caption and text of the main window, by control.
std::map<std::string, std::string> Screen(TestProgram& t) {
  std::map<std::string, std::string> texts;
  for (Control* c : t.form().allControls()) texts[c->name()] = c->caption();
  return texts;
}

// A store that takes no value (a folder the user cannot write): the switch
// still finishes on screen exactly as with a writable store, and only the
// first refused value is reported, once, after it; nothing is stored.
TEST(UnitsSwitch, ARefusedWriteFinishesTheSwitchAndIsReportedOnce) {
  for (int to : {kMetric, kImperial}) {
    SCOPED_TRACE(to == kMetric ? "to Metric" : "to Imperial");
    StartOptions options;
    options.settings = TestProgram::installedSettings();
    if (to == kImperial) options.settings["Units"] = "1";
    TestProgram writable(options);
    TestProgram refusing(options);
    refusing.fakes.settings.refusedValues = {"Plate_Weight", "Base_Weight", "Units", "Program"};
    writable.takeMessages();
    refusing.takeMessages();

    writable.selectRadio("RadioGroup6", to);
    refusing.selectRadio("RadioGroup6", to);

    EXPECT_TRUE(writable.takeMessages().empty());
    // The unit system is stored first, before the refilled radios store
    // their items.
    EXPECT_EQ(refusing.takeMessages(),
              (std::vector<Message>{{Message::Kind::Error, "Failed to set data for 'Units'", ""}}));
    EXPECT_EQ(Screen(refusing), Screen(writable));
    EXPECT_EQ(refusing.itemIndex("RadioGroup6"), to);
    EXPECT_EQ(refusing.itemIndex("RadioGroup1"), writable.itemIndex("RadioGroup1"));
    EXPECT_EQ(refusing.itemIndex("RadioGroup4"), writable.itemIndex("RadioGroup4"));
    EXPECT_EQ(refusing.setting("Units"), to == kMetric ? "0" : "1");
  }
}

// A solve that fails inside the switch ends it with its own error; the
// refused write held until then is not lost without a word.
TEST(UnitsSwitch, ARefusedWriteIsReportedWhenASolveErrorEndsTheSwitch) {
  StartOptions options;
  options.settings = TestProgram::installedSettings();
  TestProgram t(options);
  t.fakes.settings.refusedValues = {"Plate_Weight", "Base_Weight", "Units", "Program"};
  t.type("Edit7", "abc");
  t.takeMessages();
  t.selectRadio("RadioGroup6", kMetric);
  const std::vector<Message> shown = t.takeMessages();
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[0], (Message{Message::Kind::Error, "Failed to set data for 'Units'", ""}));
  EXPECT_EQ(shown[1].kind, Message::Kind::Error);
  EXPECT_NE(shown[1].text.find("abc"), std::string::npos) << shown[1].text;
  EXPECT_EQ(t.setting("Units"), "0");
}

struct CopperCase {
  const char* separator;
  const char* baseStored;
  int units;
  std::vector<std::string> items;
  int selected;
  const char* storedAfter;
};

TEST(UnitsSwitch, RefillsTheCopperRadiosSelectingTheStoredItems) {
  const CopperCase cases[] = {
      {".", "3", kMetric, CopperItems(CopperRadio::Base, CopperForm::Metric), 3, "3"},     // "53um"
      {".", "3", kImperial, CopperItems(CopperRadio::Base, CopperForm::Point), 3, "3"},    // "1.5oz"
      {",", "0", kImperial, CopperItems(CopperRadio::Base, CopperForm::Comma), 0, "0"},    // "0,25oz"
      {".", "9", kMetric, CopperItems(CopperRadio::Base, CopperForm::Metric), 8, "8"},     // past the last
      {".", "", kMetric, CopperItems(CopperRadio::Base, CopperForm::Metric), 1, "1"},      // damaged: kept
  };
  for (const CopperCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "'" << c.separator << "' Base_Weight '" << c.baseStored << "' to "
                                    << c.units);
    StartOptions options;
    options.decimalSeparator = c.separator;
    options.settings = TestProgram::installedSettings();
    TestProgram t(options);
    ASSERT_EQ(t.itemIndex("RadioGroup4"), 1);  // the installed "0.5oz"
    if (c.units == kImperial) t.selectRadio("RadioGroup6", kMetric);
    auto& key = t.fakes.settings.keys[TestProgram::settingsKey()];
    key["Base_Weight"] = c.baseStored;
    key["Plate_Weight"] = "4";
    t.selectRadio("RadioGroup6", c.units);
    EXPECT_EQ(t.items("RadioGroup4"), c.items);
    EXPECT_EQ(t.itemIndex("RadioGroup4"), c.selected);
    EXPECT_EQ(t.setting("Base_Weight"), c.storedAfter);
    EXPECT_EQ(t.itemIndex("RadioGroup1"), 4);
    EXPECT_EQ(t.setting("Plate_Weight"), "4");
    EXPECT_TRUE(t.takeMessages().empty());
  }
}

// Off the via page the plane radio names plane weights and always comes
// back with the lighter plane; on the via page it keeps its property item.
TEST(UnitsSwitch, RefillsThePlaneRadio) {
  TestProgram t;
  t.chooseMenu("ConductorProperties1");
  t.selectRadio("RadioGroup5", 1);
  t.selectRadio("RadioGroup6", kMetric);
  EXPECT_EQ(t.items("RadioGroup5"), (std::vector<std::string>{"35um", "70um"}));
  EXPECT_EQ(t.itemIndex("RadioGroup5"), 0);
  t.selectRadio("RadioGroup6", kImperial);
  EXPECT_EQ(t.items("RadioGroup5"), (std::vector<std::string>{"1oz", "2oz"}));

  t.chooseMenu("ViaProperties1");
  t.form().radio("RadioGroup5").setItemIndex(1);
  const int layer = t.itemIndex("RadioGroup3");
  t.selectRadio("RadioGroup6", kMetric);
  EXPECT_EQ(t.items("RadioGroup5"), (std::vector<std::string>{"Via Properties", "Differential Vias"}));
  EXPECT_EQ(t.itemIndex("RadioGroup5"), 1);
  EXPECT_EQ(t.itemIndex("RadioGroup3"), layer);
}

// A stored Metric system switches at start, before the stored calculator
// is activated, on the description's values and the loader's via defaults.
TEST(UnitsSwitch, AStoredMetricSystemConvertsThePagesAtStart) {
  for (const char* separator : {".", ","}) {
    SCOPED_TRACE(separator);
    StartOptions options;
    options.decimalSeparator = separator;
    options.settings = TestProgram::installedSettings();
    options.settings["Units"] = "1";
    options.settings["Base_Weight"] = "3";
    TestProgram t(options);
    const bool comma = std::string(separator) == ",";
    EXPECT_TRUE(t.messages().empty());
    EXPECT_EQ(t.itemIndex("RadioGroup6"), kMetric);
    EXPECT_EQ(t.setting("Units"), "1");
    EXPECT_EQ(t.text("Edit228"), comma ? "41290,3226" : "41290.3226");
    EXPECT_EQ(t.text("Edit136"), comma ? "17,78" : "17.78");
    EXPECT_EQ(t.text("Edit137"), "um");
    EXPECT_EQ(t.text("Edit52"), "mm");
    EXPECT_EQ(t.items("RadioGroup4"), CopperItems(CopperRadio::Base, CopperForm::Metric));
    EXPECT_EQ(t.itemIndex("RadioGroup4"), 3);
  }
}

TEST(UnitsSwitch, ADecimalCommaIsWrittenAndPlanarInputsReadEitherSeparator) {
  StartOptions options;
  options.decimalSeparator = ",";
  options.settings = TestProgram::installedSettings();
  TestProgram t(options);
  setField(t, "Edit3", "12,5");
  setField(t, "Edit89", "2,5");
  setField(t, "Edit91", "2.5");
  t.selectRadio("RadioGroup6", kMetric);
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(t.text("Edit3"), "0,3175");
  EXPECT_EQ(t.text("Edit89"), "63,5");
  EXPECT_EQ(t.text("Edit91"), "63,5");
  t.selectRadio("RadioGroup6", kImperial);
  EXPECT_EQ(t.text("Edit3"), "12,5");
  EXPECT_EQ(t.text("Edit89"), "2,5");
}

}  // namespace
}  // namespace cq::test
