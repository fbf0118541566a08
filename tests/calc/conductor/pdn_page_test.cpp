// The PDN Calculator page as a user drives it: the three results in both
// unit systems and decimal forms, the two percentage checks, the Er check
// with its nested solve, the "DC" box and the arrows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {


// The PDN page with Er 4, so that the worked examples stay round:
//   Z  = (5 V x 0.05) / (2 A x 0.5)           = 0.25 ohm
//   C  = 0.225 x 4 x 64 sq.in / 0.002 in       = 28800 pF
//   Xc = 1 / (1e6 x 6.28318 x 28800e-12)       = 5.52621797 ohm
void openPdn(TestProgram& t) { OpenCalculatorWith(t, "PDNImpedance1", {{"Edit7", "4"}}); }

TEST(PdnPage, TheDefaultRailAndPlanesInImperial) {
  TestProgram t;
  openPdn(t);
  ExpectTexts(t, {{"Edit109", "0.2500 Ohms"}, {"Edit230", "28800.00 pF"}, {"Edit235", "5.5262 Ohms"}});
}

TEST(PdnPage, EveryResultCarriesOneCommaInCommaMode) {
  TestProgram t(DecimalStart(true));
  openPdn(t);
  ExpectTexts(t, {{"Edit109", "0,2500 Ohms"}, {"Edit230", "28800,00 pF"}, {"Edit235", "5,5262 Ohms"}});
}

TEST(PdnPage, TheMetricBranchTakesSquareMillimetresAndMillimetres) {
  TestProgram t;
  openPdn(t);
  ToMetric(t);
  EnterAll(t, {{"Edit228", "1000"}, {"Edit229", "1"}});
  // C = 0.225 x 4 x (1000 x 0.00155) / (1 / 25.4) = 35.433 pF
  // Xc = 1 / (1e6 x 6.28318 x 35.433e-12) = 4491.71895 ohm
  ExpectTexts(t, {{"Edit230", "35.43 pF"}, {"Edit235", "4491.7189 Ohms"}, {"Edit109", "0.2500 Ohms"}});
}

// The Units switch turns the Imperial defaults into their Metric
// equivalents: 64 sq.in / 0.00155 = 41290.3226 sq.mm, 2 mils = 0.0508 mm.
//   C = 0.225 x 4 x (41290.3226 x 0.00155) / (0.0508 / 25.4)
//     = 0.9 x 64.00000003 / 0.002 = 28800.00 pF, Xc as in Imperial.
TEST(PdnPage, TheMetricEquivalentsOfTheDefaultsGiveTheSameCapacitance) {
  TestProgram t;
  openPdn(t);
  ToMetric(t);
  ExpectTexts(t, {{"Edit228", "41290.3226"}, {"Edit229", "0.0508"}, {"Edit231", "Sq.mm"}, {"Edit232", "mm"},
                  {"Edit230", "28800.00 pF"}, {"Edit235", "5.5262 Ohms"}});
  EXPECT_TRUE(t.takeMessages().empty());
}

struct PercentCase {
  const char* field;
  const char* typed;
  const char* message;  // empty: accepted
  const char* fieldAfter;
  const char* impedance;
};

TEST(PdnPage, PercentageChecksCorrectTheFieldAndCountInTheSameSolve) {
  const std::vector<PercentCase> cases = {
      // k = 1 / 100 after the correction: 0.25 / (2 x 0.01) = 12.5
      {"Edit110", "0", "Transient current percentage can't be <= 0", "1", "12.5000 Ohms"},
      {"Edit110", "-5", "Transient current percentage can't be <= 0", "1", "12.5000 Ohms"},
      // 0.25 / (2 x 0.005) = 25
      {"Edit110", "0.5", "", "0.5", "25.0000 Ohms"},
      // A ripple of exactly 0 passes: 5 x 0 / 1 = 0
      {"Edit107", "0", "", "0", "0.0000 Ohms"},
      {"Edit107", "-1", "Maximum AC ripple percentage can't be < 0", "0", "0.0000 Ohms"},
      // Beyond the arrows' range is still accepted: 5 x 1.5 / 1 = 7.5
      {"Edit107", "150", "", "150", "7.5000 Ohms"},
  };
  for (const auto& c : cases) {
    TestProgram t;
    openPdn(t);
    Enter(t, c.field, c.typed);
    std::vector<Message> expected;
    if (*c.message) expected.push_back(InfoBox(c.message));
    EXPECT_EQ(t.takeMessages(), expected) << c.field << " " << c.typed;
    EXPECT_EQ(t.text(c.field), c.fieldAfter) << c.field << " " << c.typed;
    EXPECT_EQ(t.text("Edit109"), c.impedance) << c.field << " " << c.typed;
    EXPECT_EQ(t.takeSolves(), 1) << c.field << " " << c.typed;
  }
}

TEST(PdnPage, AnErBelowOneIsRaisedToOneWithANestedSolve) {
  // Er 1: C = 0.225 x 64 / 0.002 = 7200 pF; Xc = 1 / (6.28318 x 0.0072) = 22.10487 ohm.
  for (const char* typed : {"1", "0.99"}) {
    TestProgram t;
    openPdn(t);
    Enter(t, "Edit7", typed);
    const bool refused = std::string(typed) != "1";
    std::vector<Message> expected;
    if (refused) expected.push_back(InfoBox("Minimum dielectric constant value can't be less than 1"));
    EXPECT_EQ(t.takeMessages(), expected) << typed;
    EXPECT_EQ(t.takeSolves(), refused ? 2 : 1) << typed;
    EXPECT_EQ(t.text("Edit7"), "1");
    EXPECT_EQ(t.text("Edit230"), "7200.00 pF") << typed;
    EXPECT_EQ(t.text("Edit235"), "22.1049 Ohms") << typed;
    EXPECT_EQ(t.main().values.SubstrateEr, 1.0);
  }
}

TEST(PdnPage, TickingDcHidesTheReactanceWithoutSolvingAndUntickingRestoresOneMHz) {
  TestProgram t;
  openPdn(t);
  t.type("Edit234", "5");
  t.click("CheckBox4");
  EXPECT_EQ(t.takeSolves(), 0);
  EXPECT_EQ(t.text("Edit234"), "DC");
  EXPECT_FALSE(t.enabled("Edit234"));
  for (const char* hidden : {"Label295", "Edit235", "Edit233"}) EXPECT_FALSE(t.showing(hidden)) << hidden;

  // With DC no reactance is computed, so an area of 0 raises nothing.
  Enter(t, "Edit228", "0");
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(t.text("Edit230"), "0.00 pF");
  EXPECT_EQ(t.text("Edit234"), "DC");

  t.type("Edit228", "64");
  t.takeSolves();
  t.click("CheckBox4");
  EXPECT_EQ(t.takeSolves(), 1);
  EXPECT_EQ(t.text("Edit234"), "1");
  EXPECT_TRUE(t.enabled("Edit234"));
  for (const char* shown : {"Label295", "Edit235", "Edit233"}) EXPECT_TRUE(t.showing(shown)) << shown;
  EXPECT_EQ(t.text("Edit235"), "5.5262 Ohms");
  EXPECT_TRUE(t.takeMessages().empty());
}

struct ErrorCase {
  std::vector<std::pair<const char*, const char*>> typed;
  const char* error;
  const char* impedance;
  const char* capacitance;
  const char* reactance;
};

TEST(PdnPage, AZeroDivisorEndsTheSolveAndKeepsTheLaterResults) {
  const std::vector<ErrorCase> cases = {
      // I = 0: the error comes before Z is written.
      {{{"Edit108", "0"}}, "Floating point division by zero", "0.2500 Ohms", "28800.00 pF", "5.5262 Ohms"},
      {{{"Edit107", "0"}, {"Edit108", "0"}},
       "Invalid floating point operation",
       "0.2500 Ohms",
       "28800.00 pF",
       "5.5262 Ohms"},
      // d = 0: Z is written first (10 x 0.05 / 1 = 0.5).
      {{{"Edit105", "10"}, {"Edit229", "0"}},
       "Floating point division by zero",
       "0.5000 Ohms",
       "28800.00 pF",
       "5.5262 Ohms"},
      // A = 0: C is written, the reactance fails.
      {{{"Edit228", "0"}}, "Floating point division by zero", "0.2500 Ohms", "0.00 pF", "5.5262 Ohms"},
      {{{"Edit234", "0"}}, "Floating point division by zero", "0.2500 Ohms", "28800.00 pF", "5.5262 Ohms"},
      // A frequency that is no number ends the solve at its parse.
      {{{"Edit234", "1MHz"}},
       "'1MHz' is not a valid floating point value",
       "0.2500 Ohms",
       "28800.00 pF",
       "5.5262 Ohms"},
  };
  for (const auto& c : cases) {
    TestProgram t;
    openPdn(t);
    for (const auto& [field, text] : c.typed) t.type(field, text);
    t.pressEnter(c.typed.back().first);
    const auto shown = t.takeMessages();
    ASSERT_EQ(shown.size(), 1u) << c.error;
    EXPECT_EQ(shown[0].text, c.error);
    EXPECT_EQ(t.text("Edit109"), c.impedance) << c.error;
    EXPECT_EQ(t.text("Edit230"), c.capacitance) << c.error;
    EXPECT_EQ(t.text("Edit235"), c.reactance) << c.error;
  }
}

TEST(PdnPage, TheArrowsStepTheirFieldsWithinTheirLimitsAndSolve) {
  TestProgram t;
  openPdn(t);
  t.arrow("UpDown4", true);
  EXPECT_EQ(t.text("Edit107"), "6");
  EXPECT_EQ(t.takeSolves(), 2);                 // before and after the step
  EXPECT_EQ(t.text("Edit109"), "0.3000 Ohms");  // 5 x 0.06 / (2 x 0.5)

  t.type("Edit107", "0");
  t.arrow("UpDown4", false);
  EXPECT_EQ(t.text("Edit107"), "0");
  t.type("Edit110", "1");
  t.arrow("UpDown5", false);
  EXPECT_EQ(t.text("Edit110"), "1");
  t.type("Edit110", "100");
  t.arrow("UpDown5", true);
  EXPECT_EQ(t.text("Edit110"), "100");
  EXPECT_TRUE(t.takeMessages().empty());
}

}  // namespace
}  // namespace cq::test
