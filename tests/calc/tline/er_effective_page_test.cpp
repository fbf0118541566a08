// The Er Effective page as a user drives it: the worked examples in both
// unit systems, the Er check, the failures of zero lengths and the
// hand-over to the Wavelength Calculator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {


// Form defaults: 5 x 10 mils, base 0.5oz (0.7) + plating 1oz (1.4) = 2.1
// mils, Er 4.6, 500 MHz: eef 2.902171. Metric: 0.127 x 0.254 mm, 0.018 +
// 0.035 = 0.053 mm: 2.903124, and "%3.0f" of 53 um pads to three places.
TEST(ErEffectivePage, TheFormDefaultsInBothUnitSystems) {
  TestProgram t;
  OpenCalculator(t, "ErEffective1");
  EXPECT_EQ(t.main().CurrentCalculator, 6);
  EXPECT_TRUE(t.showing("GroupBox43"));
  ExpectTexts(t, {{"Edit221", "2.9022"}, {"Label56", "2.10 mils"}, {"Label110", "N/A"}, {"Label285", "N/A"}});
  EXPECT_FALSE(t.enabled("Edit227"));
  EXPECT_FALSE(t.enabled("UpDown6"));

  ToMetric(t);
  ExpectTexts(t, {{"Edit25", "0.127"}, {"Edit46", "0.254"}, {"Edit224", "500"}, {"Edit222", "mm"},
                  {"Label56", " 53 um"}, {"Edit221", "2.9031"}});
  EXPECT_TRUE(t.takeMessages().empty());
}

// python3, the model typed out:
//   Imperial 20 x 10 mils, base 2oz 2.8 mils, bare board, Er 4.6, 2400 MHz
//     -> 3.3124; the defaults at 1000 MHz -> 2.9025
//   Metric 0.5 x 0.2 mm, base 2oz 0.07 mm, bare board, Er 3.2, 2400 MHz
//     -> 2.4652, copper " 70 um"
TEST(ErEffectivePage, EachInputReachesTheModel) {
  TestProgram t;
  OpenCalculator(t, "ErEffective1");
  Enter(t, "Edit224", "1000");
  EXPECT_EQ(t.text("Edit221"), "2.9025");

  t.type("Edit25", "20");
  t.type("Edit224", "2400");
  t.selectRadio("RadioGroup4", 4);
  t.selectRadio("RadioGroup1", 0);
  t.pressEnter("Edit25");
  EXPECT_EQ(t.text("Label56"), "2.80 mils");
  EXPECT_EQ(t.text("Edit221"), "3.3124");

  ToMetric(t);
  t.type("Edit25", "0.5");
  t.type("Edit46", "0.2");
  t.type("Edit7", "3.2");
  t.pressEnter("Edit46");
  EXPECT_EQ(t.text("Label56"), " 70 um");
  EXPECT_EQ(t.text("Edit221"), "2.4652");
  EXPECT_TRUE(t.takeMessages().empty());
}

// Er 1.001 at the defaults gives 1.000580.
TEST(ErEffectivePage, AnErOfOneOrLessIsCorrectedAndCountsFromTheNextSolve) {
  for (const char* er : {"1", "0.5", "-3"}) {
    TestProgram t;
    OpenCalculator(t, "ErEffective1");
    // The check ends the solve before the height is read.
    t.type("Edit46", "abc");
    t.type("Edit7", er);
    t.pressEnter("Edit224");
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{InfoBox("Minimum Er value can't be less than or equal to 1")})) << er;
    EXPECT_EQ(t.text("Edit7"), "1.001") << er;
    EXPECT_EQ(t.text("Edit221"), "2.9022") << er;
    EXPECT_EQ(t.takeSolves(), 1) << er;

    t.type("Edit46", "10");
    t.pressEnter("Edit224");
    EXPECT_TRUE(t.takeMessages().empty()) << er;
    EXPECT_EQ(t.text("Edit221"), "1.0006") << er;
  }
}

TEST(ErEffectivePage, CommaModeReadsAndWritesCommas) {
  TestProgram t(CommaStart());
  OpenCalculator(t, "ErEffective1");
  EXPECT_EQ(t.text("Edit221"), "2,9022");
  EXPECT_EQ(t.text("Label56"), "2,10 mils");
  t.type("Edit7", "1");
  t.pressEnter("Edit224");
  EXPECT_EQ(t.text("Edit7"), "1,001");
  t.pressEnter("Edit224");
  EXPECT_EQ(t.text("Edit221"), "1,0006");
}

TEST(ErEffectivePage, ZeroLengthsEndTheSolveAndKeepTheResult) {
  const struct {
    const char* field;
    std::vector<Message> messages;
  } rows[] = {
      {"Edit46", {ErrorBox("Floating point division by zero")}},
      // The corrected ratios are 0: log(0) in the model, then 10 / 0.
      {"Edit25", {MathErrorBox("log: SING error"), ErrorBox("Floating point division by zero")}},
  };
  for (const auto& row : rows) {
    TestProgram t;
    OpenCalculator(t, "ErEffective1");
    Enter(t, row.field, "0");
    EXPECT_EQ(TakeMessageTexts(t), row.messages) << row.field;
    EXPECT_EQ(t.text("Edit221"), "2.9022") << row.field;
  }
}

TEST(ErEffectivePage, TextThatIsNoNumberEndsTheSolve) {
  TestProgram t;
  OpenCalculator(t, "ErEffective1");
  Enter(t, "Edit224", "fast");
  EXPECT_EQ(t.takeMessages(), (std::vector<Message>{ErrorBox("'fast' is not a valid floating point value")}));
  EXPECT_EQ(t.text("Edit221"), "2.9022");
}

// The frequency handed over is in MHz, so the Wavelength page is put in
// frequency mode with MHz (its start state reads the field as ns). 500 MHz
// in Er Eff 2.9022, full wave:
//   299792458 / (sqrt(2.9022) x 500) x 0.0001 / 2.54 = 13.85649 in.
TEST(ErEffectivePage, SendToWavelengthCalculatorHandsOverInMhz) {
  TestProgram t;
  OpenCalculator(t, "ErEffective1");
  t.click("Button5");
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(t.main().CurrentCalculator, 17);
  EXPECT_TRUE(t.showing("GroupBox22"));
  EXPECT_FALSE(t.showing("GroupBox43"));
  EXPECT_EQ(t.itemIndex("RadioGroup22"), 1);
  EXPECT_EQ(t.itemIndex("RadioGroup21"), 1);
  ExpectTexts(t, {{"Label220", "Frequency"}, {"Edit280", "MHz"}, {"Edit103", "500"}, {"Edit150", "2.9022"},
                  {"Edit104", "13.85649 Inches"}});
}

// The hand-over solves only the Wavelength page, by its activation (the
// layer and plane refills and the final solve): three solves, and a text
// on Er Effective that would fail its solve stops nothing. 500 MHz in the
// last result 2.9022 gives the 13.85649 in. above.
TEST(ErEffectivePage, SendSolvesOnlyTheWavelengthPageAndSwitchesItWhole) {
  for (const auto& [field, typed] : Texts{{"", ""}, {"Edit25", "abc"}, {"Edit7", "1"}}) {
    SCOPED_TRACE(field + " " + typed);
    TestProgram t;
    OpenCalculator(t, "ErEffective1");
    if (!field.empty()) t.type(field, typed);  // typed, not solved
    t.click("Button5");
    EXPECT_EQ(t.takeMessages(), std::vector<Message>{});
    EXPECT_EQ(t.takeSolves(), 3);
    EXPECT_EQ(t.main().CurrentCalculator, 17);
    EXPECT_EQ(t.itemIndex("RadioGroup22"), 1);
    EXPECT_EQ(t.items("RadioGroup21"), (std::vector<std::string>{"GHz", "MHz", "KHz", "Hz"}));
    EXPECT_EQ(t.itemIndex("RadioGroup21"), 1);
    ExpectTexts(t, {{"Label220", "Frequency"}, {"Edit280", "MHz"}, {"Edit103", "500"}, {"Edit150", "2.9022"},
                    {"Edit104", "13.85649 Inches"}});
    EXPECT_EQ(t.control("Edit280").bounds().left, 122);
    EXPECT_EQ(t.control("Edit280").bounds().width, 42);
    // What was typed on Er Effective waits there for its next solve.
    if (!field.empty()) {
      EXPECT_EQ(t.text(field), typed);
    }
  }
}

// A Wavelength page left on "Frequency" in GHz is brought back to MHz;
// Metric 0.254 mm height etc. give 2.9031: 299792458 / (sqrt(2.9031) x 500)
// x 0.0001 = 35.19004 cm.
TEST(ErEffectivePage, SendToWavelengthCalculatorFromAnotherFrequencyUnit) {
  TestProgram t;
  t.chooseMenu("WavelengthCalculator1");
  t.selectRadio("RadioGroup22", 1);
  t.selectRadio("RadioGroup21", 0);
  ToMetric(t);
  OpenCalculator(t, "ErEffective1");
  t.click("Button5");
  EXPECT_EQ(t.itemIndex("RadioGroup21"), 1);
  ExpectTexts(t, {{"Edit280", "MHz"}, {"Edit150", "2.9031"}, {"Edit104", "35.19004 cm"}});
}

}  // namespace
}  // namespace cq::test

namespace cq::test {
namespace {

// Typed copper of 0 + 0 mils: the thickness correction is at its limit, so
// 5 x 10 mils, Er 4.6, 500 MHz give eef 3.169760 (python3, the chain with
// u1 = u) and no error box.
TEST(ErEffectivePage, ZeroTypedCopperSolvesAtTheThinLimit) {
  TestProgram t;
  OpenCalculator(t, "ErEffective1");
  t.form("Form6").show();
  t.click("Form6.CheckBox1");
  t.takeMessages();
  EnterAll(t, {{"Edit136", "0"}, {"Edit138", "0"}, {"Edit224", "500"}});
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(t.text("Edit221"), "3.1698");
}

}  // namespace
}  // namespace cq::test
