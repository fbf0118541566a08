// The Differential Pairs solve as a user drives it: the six structures in
// both unit systems and decimal modes, the Er and broadside height checks,
// the equal-heights notice, the target indicator and the ratio colours.
// Expected figures are the worked examples of the page's documentation or
// were computed with python3 from the same formulas (noted per row).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

constexpr const char* kPairs = "DifferentialPairs1";
constexpr const char* kHeightMessage =
    "Conductor height can't be less than or equal to conductor thickness + spacing";

// The coupling rows the broadside pairs cannot fill.
const Texts kNoCoupling = {{"Edit389", "N/A"}, {"Edit390", "N/A"}, {"Edit391", "N/A"}, {"Edit392", "N/A"},
                           {"Edit393", "N/A"}, {"Edit396", "N/A"}, {"Edit397", "N/A"}};

struct StructureCase {
  const char* what;
  int item;
  bool metric;
  Texts heights;  // typed before Enter; empty: the start values
  Texts expected;
};

// Start values: W 10, S 5, H 15, H2 5 mils, Er 4.6, base 0.5oz, plating 1oz,
// rise time 1 ns, coupled length 100 mils, 1 V; Metric: the Units switch's
// conversions (0.254, 0.127, 0.381, 0.127 mm, 2.54 mm) and the mm copper.
const std::vector<StructureCase>& StructureCases() {
  static const std::vector<StructureCase> cases = {
      // Documented worked example.
      {"edge microstrip, mils", 0, false, {},
       {{"Label56", "2.10 mils"}, {"Label403", "3289.27 mils"}, {"Edit28", "77.504 Ohms"},
        {"Edit29", "100.979 Ohms"}, {"Label397", "0.667"}, {"Label398", "0.333"}, {"Edit388", "50.490 Ohms"},
        {"Edit389", "118.971 Ohms"}, {"Edit390", "0.2111"}, {"Edit391", "0.4041"}, {"Edit392", "-13.512"},
        {"Edit393", "-7.870"}, {"Edit396", "0.0064 V"}, {"Edit397", "0.0123 V"}, {"Edit30", "112.500 Ohms"},
        {"Edit31", "87.500 Ohms"}}},
      // Lsat and Zo documented; the rest by python3 with T 0.053 mm.
      {"edge microstrip, mm", 0, true, {},
       {{"Label56", " 53 um"}, {"Label403", "83.55 mm"}, {"Edit28", "77.551 Ohms"}, {"Edit29", "101.041 Ohms"},
        {"Label397", "0.667"}, {"Label398", "0.333"}, {"Edit388", "50.520 Ohms"}, {"Edit389", "119.043 Ohms"},
        {"Edit390", "0.2111"}, {"Edit391", "0.4041"}, {"Edit392", "-13.512"}, {"Edit393", "-7.870"},
        {"Edit396", "0.0064 V"}, {"Edit397", "0.0123 V"}}},
      // Documented worked example.
      {"symmetric stripline, mils", 1, false, {},
       {{"Label56", "0.70 mils"}, {"Label403", "2750.89 mils"}, {"Edit28", "33.200 Ohms"},
        {"Edit29", "56.955 Ohms"}, {"Label397", "0.667"}, {"Label398", "0.333"}, {"Edit388", "28.477 Ohms"},
        {"Edit389", "38.706 Ohms"}, {"Edit390", "0.0766"}, {"Edit391", "0.1523"}, {"Edit392", "-22.319"},
        {"Edit393", "-16.349"}, {"Edit396", "0.0028 V"}, {"Edit397", "0.0055 V"}}},
      // Zo and Zdiff documented (the metric constant 1.9); Zodd, Zeven by python3.
      {"symmetric stripline, mm", 1, true, {},
       {{"Label56", " 18 um"}, {"Label403", "69.87 mm"}, {"Edit28", "33.167 Ohms"}, {"Edit29", "56.898 Ohms"},
        {"Edit388", "28.449 Ohms"}, {"Edit389", "38.667 Ohms"}, {"Edit390", "0.0766"}, {"Edit396", "0.0028 V"}}},
      // Documented worked example (wide mode, b = 20.7).
      {"offset stripline, mils", 2, false, {},
       {{"Label56", "0.70 mils"}, {"Label403", "2750.89 mils"}, {"Edit28", "36.650 Ohms"},
        {"Edit29", "59.693 Ohms"}, {"Label397", "0.483"}, {"Label398", "0.242"}, {"Edit388", "29.846 Ohms"},
        {"Edit389", "45.004 Ohms"}, {"Edit390", "0.1023"}, {"Edit391", "0.2025"}, {"Edit392", "-19.801"},
        {"Edit393", "-13.871"}, {"Edit396", "0.0037 V"}, {"Edit397", "0.0074 V"}}},
      // Documented.
      {"offset stripline, mm", 2, true, {},
       {{"Label56", " 18 um"}, {"Label403", "69.87 mm"}, {"Edit28", "36.644 Ohms"}, {"Edit29", "59.680 Ohms"},
        {"Label397", "0.483"}, {"Label398", "0.241"}}},
      // Documented worked example, H1 5 and H2 15.
      {"embedded microstrip, mils", 3, false, {{"Edit27", "5"}, {"Edit32", "15"}},
       {{"Label56", "0.70 mils"}, {"Label403", "2764.14 mils"}, {"Edit28", "34.703 Ohms"},
        {"Edit29", "45.214 Ohms"}, {"Label397", "0.667"}, {"Label398", "0.333"}, {"Edit388", "22.607 Ohms"},
        {"Edit389", "53.270 Ohms"}, {"Edit390", "0.2111"}, {"Edit391", "0.4041"}, {"Edit392", "-13.512"},
        {"Edit393", "-7.870"}, {"Edit396", "0.0076 V"}, {"Edit397", "0.0146 V"}}},
      // Lsat documented; with T 0.018 mm (not 0.7 mils) the impedances by python3.
      {"embedded microstrip, mm", 3, true, {{"Edit27", "0.127"}, {"Edit32", "0.381"}},
       {{"Label56", " 18 um"}, {"Label403", "70.21 mm"}, {"Edit28", "34.675 Ohms"}, {"Edit29", "45.177 Ohms"},
        {"Label397", "0.667"}, {"Label398", "0.333"}, {"Edit388", "22.589 Ohms"}, {"Edit389", "53.227 Ohms"},
        {"Edit396", "0.0076 V"}, {"Edit397", "0.0146 V"}}},
      // Documented.
      {"broadside shielded, mils", 4, false, {},
       Joined({{"Label56", "0.70 mils"}, {"Label403", "2750.89 mils"}, {"Edit29", "43.730 Ohms"},
               {"Edit388", "21.865 Ohms"}, {"Label397", "0.667"}, {"Label398", "0.333"}},
              kNoCoupling)},
      // Documented.
      {"broadside shielded, mm", 4, true, {},
       Joined({{"Label56", " 18 um"}, {"Label403", "69.87 mm"}, {"Edit29", "43.676 Ohms"},
               {"Edit388", "21.838 Ohms"}},
              kNoCoupling)},
      // Documented.
      {"broadside unshielded, mils", 5, false, {},
       Joined({{"Label403", "2750.89 mils"}, {"Edit29", "47.315 Ohms"}, {"Edit388", "23.657 Ohms"},
               {"Label397", "0.667"}, {"Label398", "0.333"}},
              kNoCoupling)},
      // python3, T 0.018 mm.
      {"broadside unshielded, mm", 5, true, {},
       Joined({{"Label56", " 18 um"}, {"Edit29", "47.277 Ohms"}, {"Edit388", "23.638 Ohms"}}, kNoCoupling)},
  };
  return cases;
}

TEST(DifferentialPairsSolve, EachStructureInBothUnitSystemsAndDecimalModes) {
  for (const bool comma : {false, true}) {
    for (const StructureCase& c : StructureCases()) {
      SCOPED_TRACE(std::string(c.what) + (comma ? ", comma" : ", point"));
      TestProgram t(DecimalStart(comma));
      OpenStructure(t, kPairs, c.item, c.metric);
      if (!c.heights.empty()) EnterAll(t, InDecimalForm(c.heights, comma));
      ExpectTexts(t, InDecimalForm(c.expected, comma));
      EXPECT_TRUE(t.takeMessages().empty());
    }
  }
}

TEST(DifferentialPairsSolve, PlatingCountsOnTheOuterPairOnly) {
  TestProgram t;
  OpenStructure(t, kPairs, 0, false);
  // 2oz plating: T = 0.7 + 2.8 mils; Zo and Zdiff by python3.
  t.selectRadio("RadioGroup1", 4);
  ExpectTexts(t, {{"Label56", "3.50 mils"}, {"Edit28", "72.897 Ohms"}, {"Edit29", "94.977 Ohms"}});
  t.selectRadio("RadioGroup3", 1);
  ExpectTexts(t, {{"Label56", "0.70 mils"}, {"Edit28", "33.200 Ohms"}});
}

TEST(DifferentialPairsSolve, ManualCopperIsReadInMilsOrMicrometres) {
  TestProgram t;
  OpenStructure(t, kPairs, 0, true);
  t.click("Form6.CheckBox1");
  // The metric defaults 18 and 35 um: 0.053 mm, as the table's 0.5oz + 1oz.
  Enter(t, "Edit21", "0.254");
  ExpectTexts(t, {{"Label56", " 53 um"}, {"Edit28", "77.551 Ohms"}});
}

TEST(DifferentialPairsSolve, ErBelowOneIsComputedAsOne) {
  TestProgram t;
  OpenStructure(t, kPairs, 1, false);
  Enter(t, "Edit7", "0.5");
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox("Minimum dielectric constant value can't be less than 1")});
  EXPECT_EQ(t.takeSolves(), 1);
  // Er 1, by python3: Lsat 11.8 x 0.5 x 1000.
  ExpectTexts(t, {{"Edit7", "1"}, {"Label403", "5900.00 mils"}, {"Edit28", "71.206 Ohms"},
                  {"Edit29", "122.154 Ohms"}, {"Edit389", "83.015 Ohms"}});
  Enter(t, "Edit7", "1");
  EXPECT_TRUE(t.takeMessages().empty());
}

struct HeightCase {
  const char* what;
  int item;
  int baseItem;
  Texts typed;
  const char* corrected;
  Texts expected;
};

TEST(DifferentialPairsSolve, BroadsideHeightIsCorrectedOnceAndSolvedAgain) {
  // Corrected height 4T + S; results of the corrected height (documented;
  // W/H and S/H of the unshielded rows by hand).
  const HeightCase cases[] = {
      {"2T + S exactly", 4, 5, {{"Edit26", "5"}, {"Edit27", "12"}}, "19",
       {{"Edit29", "32.136 Ohms"}, {"Label397", "0.526"}, {"Label398", "0.263"}, {"Label56", "3.50 mils"}}},
      {"2T + S exactly, unshielded", 5, 5, {{"Edit27", "12"}}, "19", {{"Edit29", "36.621 Ohms"}}},
      {"below 2T + S", 4, 1, {{"Edit27", "6"}}, "7.8", {{"Label397", "1.282"}, {"Label398", "0.641"}}},
      {"unshielded, H equal to S", 5, 1, {{"Edit27", "5"}}, "7.8", {{"Edit29", "47.315 Ohms"}, {"Label397", "1.282"}}},
  };
  for (const bool comma : {false, true}) {
    for (const HeightCase& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (comma ? ", comma" : ", point"));
      TestProgram t(DecimalStart(comma));
      OpenCalculator(t, kPairs);
      t.selectRadio("RadioGroup4", c.baseItem);
      t.selectRadio("RadioGroup3", c.item);
      t.takeMessages();
      t.takeSolves();
      EnterAll(t, c.typed);
      EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox(kHeightMessage)});
      EXPECT_EQ(t.takeSolves(), 2);  // the Enter and the solve of the corrected height
      const std::string corrected = comma ? WithComma(c.corrected) : c.corrected;
      EXPECT_EQ(t.text("Edit27"), corrected);
      ExpectTexts(t, InDecimalForm(c.expected, comma));
    }
  }
}

TEST(DifferentialPairsSolve, BroadsideHeightWithoutCopperEndsAfterOneMessage) {
  TestProgram t;
  OpenStructure(t, kPairs, 4, false);
  const std::string before = t.text("Edit29");
  t.form("Form6").show();
  t.click("Form6.CheckBox1");
  // No copper: 4T + S equals 2T + S and fails again, so no second solve.
  t.type("Edit136", "0");
  EnterAll(t, {{"Edit26", "5"}, {"Edit27", "4"}});
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox(kHeightMessage)});
  EXPECT_EQ(t.takeSolves(), 1);
  ExpectTexts(t, {{"Edit27", "4"}, {"Edit29", before}, {"Label56", "0.00 mils"}});
  // A height above S then solves: D = 0.25 mils, Zdiff by python3.
  Enter(t, "Edit27", "5.5");
  EXPECT_TRUE(t.takeMessages().empty());
  ExpectTexts(t, {{"Edit29", "7.038 Ohms"}, {"Edit388", "3.519 Ohms"}});
}

TEST(DifferentialPairsSolve, EqualOffsetHeightsShowTheNoticeAndStillSolve) {
  TestProgram t;
  OpenStructure(t, kPairs, 2, false);
  const std::vector<std::string> notice = {"Label192", "Label259", "Label394"};
  for (const auto& name : notice) EXPECT_FALSE(t.showing(name)) << name;
  // Documented: H1 = H2 = 10 mils.
  EnterAll(t, {{"Edit27", "10"}, {"Edit32", "10.0"}});
  for (const auto& name : notice) EXPECT_TRUE(t.showing(name)) << name;
  ExpectTexts(t, {{"Edit28", "47.273 Ohms"}, {"Edit29", "76.996 Ohms"}});
  // Exchanging the heights changes nothing.
  EnterAll(t, {{"Edit27", "5"}, {"Edit32", "15"}});
  for (const auto& name : notice) EXPECT_FALSE(t.showing(name)) << name;
  ExpectTexts(t, {{"Edit28", "36.650 Ohms"}, {"Edit29", "59.693 Ohms"}});
}

TEST(DifferentialPairsSolve, TargetIndicatorAndRatioColours) {
  // Edge microstrip at its start values: Zdiff 100.979 Ohms. Bounds at
  // 12.5 % by hand.
  struct TargetCase { const char* target; const char* upper; const char* lower; Color shape; };
  const TargetCase targets[] = {{"100", "112.500 Ohms", "87.500 Ohms", colors::Lime},
                                {"90", "101.250 Ohms", "78.750 Ohms", colors::Lime},
                                {"89", "100.125 Ohms", "77.875 Ohms", colors::Red},
                                {"116", "130.500 Ohms", "101.500 Ohms", colors::Red}};
  TestProgram t;
  OpenStructure(t, kPairs, 0, false);
  for (const TargetCase& c : targets) {
    SCOPED_TRACE(c.target);
    Enter(t, "Edit151", c.target);
    ExpectTexts(t, {{"Edit30", c.upper}, {"Edit31", c.lower}});
    EXPECT_EQ(t.form().get<Shape>("Shape1").brush(), c.shape);
  }

  // Symmetric stripline, H 15: W/H of W / 15 and S/H of S / 15.
  struct RatioCase { const char* typed; const char* text; Color colour; };
  const RatioCase ratios[] = {{"1.5", "0.100", colors::Black},       {"45", "3.000", colors::Black},
                              {"45.006", "3.000 Warning!", colors::Red}, {"1.4985", "0.100 Warning!", colors::Red},
                              {"10", "0.667", colors::Black}};
  for (const bool comma : {false, true}) {
    TestProgram p(DecimalStart(comma));
    OpenStructure(p, kPairs, 1, false);
    for (const RatioCase& c : ratios) {
      SCOPED_TRACE(std::string(c.typed) + (comma ? ", comma" : ""));
      Enter(p, "Edit21", comma ? WithComma(c.typed) : c.typed);
      Enter(p, "Edit26", comma ? WithComma(c.typed) : c.typed);
      for (const char* label : {"Label397", "Label398"}) {
        EXPECT_EQ(p.text(label), comma ? WithComma(c.text) : c.text) << label;
        EXPECT_EQ(p.fontColor(label), c.colour) << label;
      }
    }
  }
}

TEST(DifferentialPairsSolve, AnEmptyTargetStopsAfterTheResultsAndKeepsTheIndicator) {
  TestProgram t;
  OpenStructure(t, kPairs, 0, false);
  Enter(t, "Edit151", "89");  // red, bounds 100.125 and 77.875
  EnterAll(t, {{"Edit21", "12"}, {"Edit151", ""}});
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{ErrorBox("'' is not a valid floating point value")});
  // W 12: Zo, Zdiff and W/H by python3, written before the target is read;
  // the bounds and the indicator stay as the last whole solve left them.
  ExpectTexts(t, {{"Edit28", "72.285 Ohms"}, {"Edit29", "94.180 Ohms"}, {"Label397", "0.800"},
                  {"Edit30", "100.125 Ohms"}, {"Edit31", "77.875 Ohms"}});
  EXPECT_EQ(t.form().get<Shape>("Shape1").brush(), colors::Red);
}

TEST(DifferentialPairsSolve, DegenerateGeometryEndsWithTheFloatingPointError) {
  TestProgram t;
  OpenStructure(t, kPairs, 1, false);
  const std::string ratioBefore = t.text("Label397");
  Enter(t, "Edit27", "0");
  // ln(0) reports and gives -INF; then S / 0 ends the solve.
  EXPECT_EQ(TakeMessageTexts(t),
            (std::vector<Message>{MathErrorBox("log: SING error"), ErrorBox("Floating point division by zero")}));
  ExpectTexts(t, {{"Edit28", "-INF Ohms"}, {"Label397", ratioBefore}});
}

}  // namespace
}  // namespace cq::test
