// The Wavelength Calculator page as a user drives it: the worked examples
// in both unit systems, the input method and unit radios, the fraction
// track bar, the failures and the hand-over to Er Effective.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {


// The unit text beside the input, placed after the number's width.
struct UnitBox {
  std::string text;
  int left, width;
  friend bool operator==(const UnitBox&, const UnitBox&) = default;
  friend void PrintTo(const UnitBox& b, std::ostream* os) { *os << b.text << " at " << b.left << " +" << b.width; }
};

UnitBox unitBox(TestProgram& t) {
  const auto& b = t.control("Edit280").bounds();
  return {t.text("Edit280"), b.left, b.width};
}

// What the input method shows: its caption, the unit radio and its choice,
// both hints and the unit box.
struct MethodView {
  const char* caption;
  std::vector<std::string> units;
  int unit;
  const char* unitHint;
  const char* inputHint;
  UnitBox box;
};

void expectMethod(TestProgram& t, const MethodView& m) {
  EXPECT_EQ(t.text("Label220"), m.caption);
  EXPECT_EQ(t.items("RadioGroup21"), m.units);
  EXPECT_EQ(t.itemIndex("RadioGroup21"), m.unit);
  EXPECT_EQ(t.control("RadioGroup21").hint(), m.unitHint);
  EXPECT_EQ(t.control("Edit103").hint(), m.inputHint);
  EXPECT_EQ(unitBox(t), m.box);
}

// Form defaults: 10 ns is 1000 / 10 = 100 MHz, Er Eff 4, full wave:
//   299792458 / (2 x 100) x 0.0001 = 149.89623 cm, / 2.54 = 59.01426 in.
TEST(WavelengthPage, TheFormDefaultsInBothUnitSystems) {
  TestProgram t;
  OpenCalculator(t, "WavelengthCalculator1");
  EXPECT_EQ(t.main().CurrentCalculator, 17);
  EXPECT_TRUE(t.showing("GroupBox22"));
  EXPECT_EQ(t.text("Label220"), "Period");
  EXPECT_EQ(t.items("RadioGroup21"), (std::vector<std::string>{"ns", "ps"}));
  EXPECT_EQ(t.text("Edit104"), "59.01426 Inches");
  ToMetric(t);
  EXPECT_EQ(t.text("Edit104"), "149.89623 cm");
  // The Units switch converts nothing on this page.
  EXPECT_EQ(t.text("Edit103"), "10");
  EXPECT_EQ(t.text("Edit150"), "4");
  EXPECT_TRUE(t.takeMessages().empty());
}

// 59.01426 x 0.06666 = 3.93389 (the exact 1/15 would give 3.93428);
// x 0.0625 = 3.68839; x 0.05 = 2.95071.
TEST(WavelengthPage, TheTrackBarNamesAndAppliesItsFraction) {
  TestProgram t;
  OpenCalculator(t, "WavelengthCalculator1");
  const struct {
    int position;
    const char* text;
    const char* result;
  } rows[] = {{6, "1/15 Wave Length", "3.93389 Inches"},
              {7, "1/16 Wave Length", "3.68839 Inches"},
              {8, "1/20 Wave Length", "2.95071 Inches"},
              {0, "Full Wave Length", "59.01426 Inches"}};
  for (const auto& row : rows) {
    t.moveTrackBar("TrackBar4", row.position);
    EXPECT_EQ(t.text("Label222"), row.text);
    EXPECT_EQ(t.text("Edit104"), row.result);
    EXPECT_EQ(t.takeSolves(), 1);
  }
}

TEST(WavelengthPage, ChoosingFrequencyKeepsTheNumberAndReadsItInMhz) {
  TestProgram t;
  OpenCalculator(t, "WavelengthCalculator1");
  t.selectRadio("RadioGroup22", 1);
  // ns -> MHz moves the unit item twice (before and after the refill), each
  // solving, and the method change solves at its end.
  EXPECT_EQ(t.takeSolves(), 3);
  expectMethod(t, {"Frequency", {"GHz", "MHz", "KHz", "Hz"}, 1, "Select units for frequency.",
                   "Enter the signal frequency.", {"MHz", 122, 42}});
  // 10 MHz: 299792458 / (2 x 10) x 0.0001 / 2.54 = 590.14263 in.
  EXPECT_EQ(t.text("Edit103"), "10");
  EXPECT_EQ(t.text("Edit104"), "590.14263 Inches");

  t.selectRadio("RadioGroup22", 0);
  expectMethod(t, {"Period", {"ns", "ps"}, 0, "Select units for time.", "Enter the signal period.", {"ns", 138, 23}});
  EXPECT_EQ(t.text("Edit104"), "59.01426 Inches");
}

TEST(WavelengthPage, EachUnitPlacesItsTextAndScalesTheInput) {
  TestProgram t;
  OpenCalculator(t, "WavelengthCalculator1");
  // 10 ps is 1e6 / 10 = 100000 MHz: 59.01426 / 1000 = 0.05901 in.
  t.selectRadio("RadioGroup21", 1);
  EXPECT_EQ(t.text("Edit280"), "ps");
  EXPECT_EQ(t.text("Edit104"), "0.05901 Inches");

  t.selectRadio("RadioGroup22", 1);
  // 10 x 0.001 MHz and 10 x 1e-6 MHz: python3 c / (2 f) x 1e-4 / 2.54.
  const struct {
    int item;
    UnitBox box;
    const char* result;
  } rows[] = {{2, {"KHz", 125, 42}, "590142.63386 Inches"},
              {3, {"Hz", 137, 28}, "590142633.85827 Inches"},
              {0, {"GHz", 122, 42}, "0.59014 Inches"}};
  for (const auto& row : rows) {
    t.selectRadio("RadioGroup21", row.item);
    EXPECT_EQ(unitBox(t), row.box);
    EXPECT_EQ(t.text("Edit104"), row.result);
  }
}

TEST(WavelengthPage, WorkedFrequencyExamples) {
  TestProgram t;
  OpenCalculator(t, "WavelengthCalculator1");
  t.selectRadio("RadioGroup22", 1);
  // 1 GHz in air: 299792458 / 1000 x 0.0001 = 29.97925 cm = 11.80285 in.
  t.selectRadio("RadioGroup21", 0);
  EnterAll(t, {{"Edit103", "1"}, {"Edit150", "1"}});
  EXPECT_EQ(t.text("Edit104"), "11.80285 Inches");
  ToMetric(t);
  EXPECT_EQ(t.text("Edit104"), "29.97925 cm");
  // 500 MHz in Er Eff 2.9022, a quarter wave:
  //   299792458 / (sqrt(2.9022) x 500) x 0.0001 / 2.54 x 0.25 = 3.46412 in.
  ToImperial(t);
  t.selectRadio("RadioGroup21", 1);
  t.type("Edit103", "500");
  t.type("Edit150", "2.9022");
  t.moveTrackBar("TrackBar4", 4);
  EXPECT_EQ(t.text("Edit104"), "3.46412 Inches");
}

TEST(WavelengthPage, TheResultCarriesACommaInCommaMode) {
  TestProgram t(CommaStart());
  OpenCalculator(t, "WavelengthCalculator1");
  EXPECT_EQ(t.text("Edit104"), "59,01426 Inches");
  Enter(t, "Edit150", "2,9022");
  // 59.01426 x sqrt(4 / 2.9022) = 69.28246 in.
  EXPECT_EQ(t.text("Edit104"), "69,28246 Inches");
}

TEST(WavelengthPage, ZeroInputsEndTheSolveAndKeepThePreviousResult) {
  TestProgram t;
  OpenCalculator(t, "WavelengthCalculator1");
  for (const char* field : {"Edit103", "Edit150"}) {
    Enter(t, field, "0");
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{ErrorBox("Floating point division by zero")})) << field;
    EXPECT_EQ(t.text("Edit104"), "59.01426 Inches") << field;
    t.type(field, field == std::string("Edit103") ? "10" : "4");
  }
  t.selectRadio("RadioGroup22", 1);
  t.takeMessages();
  Enter(t, "Edit103", "0");
  EXPECT_EQ(t.takeMessages(), (std::vector<Message>{ErrorBox("Floating point division by zero")}));
}

TEST(WavelengthPage, ANegativeErEffShowsTheSquareRootErrorAndNoNumber) {
  TestProgram t;
  OpenCalculator(t, "WavelengthCalculator1");
  Enter(t, "Edit150", "-4");
  EXPECT_EQ(TakeMessageTexts(t), std::vector<Message>{MathErrorBox("sqrt: DOMAIN error")});
  EXPECT_EQ(t.text("Edit104"), "+NAN Inches");
}

TEST(WavelengthPage, TextThatIsNoNumberEndsTheSolve) {
  TestProgram t;
  OpenCalculator(t, "WavelengthCalculator1");
  Enter(t, "Edit103", "ten");
  EXPECT_EQ(t.takeMessages(), (std::vector<Message>{ErrorBox("'ten' is not a valid floating point value")}));
  EXPECT_EQ(t.text("Edit104"), "59.01426 Inches");
}

// The substrate Er is disabled here and plays no part in the result, so a
// text left in it by another calculator must not stop this one.
TEST(WavelengthPage, TheUnusedSubstrateErDoesNotStopTheSolve) {
  TestProgram t;
  OpenCalculator(t, "WavelengthCalculator1");
  t.form().edit("Edit7").setText("abc");
  t.moveTrackBar("TrackBar4", 3);
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(t.text("Edit104"), "29.50713 Inches");
}

// The Er Effective frequency is in MHz, so the button hands over the
// frequency the page computes with, not the raw period.
TEST(WavelengthPage, ErEffCalculatorHandsOverTheFrequencyInMhz) {
  const struct {
    int method, unit;
    const char* input;
    const char* handedOver;
  } rows[] = {{0, 0, "10", "100"},      // 1000 / 10 ns
              {0, 1, "500", "2000"},    // 1e6 / 500 ps
              {1, 1, "250.50", "250.50"},  // already MHz: the text as typed
              {1, 0, "1.5", "1500"},    // GHz
              {1, 2, "2", "0.002"},     // KHz
              {0, 0, "abc", "abc"}};    // no number: Er Effective reports it
  for (const auto& row : rows) {
    TestProgram t;
    OpenCalculator(t, "WavelengthCalculator1");
    t.selectRadio("RadioGroup22", row.method);
    t.selectRadio("RadioGroup21", row.unit);
    t.type("Edit103", row.input);
    t.click("Button4");
    EXPECT_EQ(t.text("Edit224"), row.handedOver) << row.input;
    EXPECT_EQ(t.main().CurrentCalculator, 6) << row.input;
    EXPECT_TRUE(t.showing("GroupBox43")) << row.input;
    EXPECT_FALSE(t.showing("GroupBox22")) << row.input;
  }
}

TEST(WavelengthPage, ErEffCalculatorWithAZeroPeriodStaysOnThePage) {
  TestProgram t;
  OpenCalculator(t, "WavelengthCalculator1");
  t.type("Edit103", "0");
  t.click("Button4");
  EXPECT_EQ(t.takeMessages(), (std::vector<Message>{ErrorBox("Floating point division by zero")}));
  EXPECT_EQ(t.text("Edit224"), "500");
  EXPECT_EQ(t.main().CurrentCalculator, 17);
}

}  // namespace
}  // namespace cq::test
