// The Padstack Calculator as a user drives it: each pad type in both unit
// systems, the corrections with their nested solves, the hole presets with
// the saved ring texts, and the BGA land lookup. Expected texts are hand
// calculations shown beside each case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {


void choosePadType(TestProgram& t, int type) {
  t.selectRadio("RadioGroup14", type);
}

void openOnPadType(TestProgram& t, int type) {
  OpenCalculator(t, "Padstacks1");
  choosePadType(t, type);
}

// A pad too small for the pitch: the pad and ring results in red and the
// note beside them, or neither.
void expectPadWarning(TestProgram& t, bool shown) {
  const Color color = shown ? colors::Red : colors::Navy;
  EXPECT_EQ(t.fontColor("Edit36"), color);
  EXPECT_EQ(t.fontColor("Edit37"), color);
  EXPECT_EQ(t.showing("Memo3"), shown);
}


struct Results {
  std::string edit36, edit37, edit38;
};

void expectResults(TestProgram& t, const Results& r) {
  ExpectTexts(t, {{"Edit36", r.edit36}, {"Edit37", r.edit37}, {"Edit38", r.edit38}});
}

// Hole 32, ring 12, isolation 12: pad 2 x 12 + 32 = 56, outer 56 + 2 x 12 = 80.
TEST(PadstackPage, ThruHoleDefaultsInImperial) {
  TestProgram t;
  OpenCalculator(t, "Padstacks1");
  expectResults(t, {"56.00 mils", "56.00 mils", "80.00 mils"});
  ExpectTexts(t, {{"Edit39", "56.00 mils"}, {"Edit40", "10 mils"}, {"Label55", "Pad Diameter"},
                  {"Label56", "56.00 mils"}, {"Label69", "Outer Diameter"}});
  EXPECT_TRUE(t.enabled("Button1"));
  EXPECT_TRUE(t.showing("Image5"));
  EXPECT_FALSE(t.showing("Image12"));
}

// Metric: 0.8128 + 2 x 0.3048 = 1.4224, 1.4224 + 2 x 0.3048 = 2.0320.
TEST(PadstackPage, ThruHoleDefaultsInMetricPointAndComma) {
  for (bool comma : {false, true}) {
    TestProgram t(comma ? CommaStart() : StartOptions{});
    OpenCalculator(t, "Padstacks1", true);
    const std::string sep = comma ? "," : ".";
    expectResults(t, {"1" + sep + "4224 mm", "1" + sep + "4224 mm", "2" + sep + "0320 mm"});
    EXPECT_EQ(t.text("Edit39"), "1" + sep + "4224 mm");
    EXPECT_EQ(t.text("Edit40"), "0" + sep + "254 mm");
  }
}

TEST(PadstackPage, SpokeWidthFollowsTheHoleBands) {
  TestProgram t;
  OpenCalculator(t, "Padstacks1");
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"14", "6 mils"}, {"22", "8 mils"}, {"124", "20 mils"}, {"125", "25 mils"}};
  for (const auto& [hole, spoke] : rows) {
    Enter(t, "Edit33", hole);
    EXPECT_EQ(t.text("Edit40"), spoke) << hole;
  }
  EXPECT_TRUE(t.takeMessages().empty());
}

// A ring of -1 becomes 0, and the nested solve shows hole 32 with ring 0:
// pad 32, outer 32 + 2 x 12 = 56. A ring of 0 is accepted silently.
TEST(PadstackPage, NegativeRingAndIsolationAreZeroed) {
  TestProgram t;
  OpenCalculator(t, "Padstacks1");
  Enter(t, "Edit34", "-1");
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox("Annular ring should be greater than zero for plated holes.")});
  EXPECT_EQ(t.text("Edit34"), "0");
  expectResults(t, {"32.00 mils", "32.00 mils", "56.00 mils"});
  Enter(t, "Edit34", "0");
  EXPECT_TRUE(t.takeMessages().empty());

  Enter(t, "Edit35", "-3");
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox(
                                  "Isolation width should be greater than zero for plated holes with thermal reliefs.")});
  EXPECT_EQ(t.text("Edit35"), "0");
  expectResults(t, {"32.00 mils", "32.00 mils", "32.00 mils"});
}

// Imperial corrections solve again at once: hole 250, pad 250 + 24 = 274.
TEST(PadstackPage, ImperialHoleLimitsCorrectAndSolveAgain) {
  TestProgram t;
  OpenCalculator(t, "Padstacks1");
  Enter(t, "Edit33", "300");
  EXPECT_EQ(t.takeMessages(),
            std::vector<Message>{InfoBox("Hole diameter can't be greater than 250mils. Holes larger the 250mils usually "
                                      "need to be routed out.")});
  EXPECT_EQ(t.text("Edit33"), "250");
  EXPECT_EQ(t.takeSolves(), 2);  // Enter and the nested solve
  expectResults(t, {"274.00 mils", "274.00 mils", "298.00 mils"});
  EXPECT_EQ(t.text("Edit40"), "25 mils");

  Enter(t, "Edit33", "0.5");
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox("Hole diameter can't be less than 1mil.")});
  EXPECT_EQ(t.text("Edit33"), "1");
  EXPECT_EQ(t.text("Edit36"), "25.00 mils");
}

// Metric corrections count from the next solve: this one still shows hole 7
// (7 + 0.6096 = 7.6096), the next one 6.35 + 0.6096 = 6.9596.
TEST(PadstackPage, MetricHoleLimitCountsFromTheNextSolve) {
  for (bool comma : {false, true}) {
    TestProgram t(comma ? CommaStart() : StartOptions{});
    OpenCalculator(t, "Padstacks1");
    ToMetric(t);
    t.takeSolves();
    Enter(t, "Edit33", "7");
    const std::string limit = comma ? "6,35" : "6.35";
    EXPECT_EQ(t.takeMessages(),
              std::vector<Message>{InfoBox("Hole diameter can't be greater than " + limit + "mm. Holes larger the " +
                                        limit + "mm usually need to be routed out")});
    EXPECT_EQ(t.text("Edit33"), limit);
    EXPECT_EQ(t.takeSolves(), 1);
    EXPECT_EQ(t.text("Edit36"), comma ? "7,6096 mm" : "7.6096 mm");
    t.pressEnter("Edit33");
    EXPECT_EQ(t.text("Edit36"), comma ? "6,9596 mm" : "6.9596 mm");
    EXPECT_TRUE(t.takeMessages().empty());
  }
}

// Every hole limit of the Thru-Hole pad, plated and non-plated, in both unit
// systems and both decimal marks: the message names the limit in the decimal
// mode and the field takes it. A hole just inside a Metric limit passes.
TEST(PadstackPage, HoleLimitsOfEachPadStyle) {
  const char* kPlatedBelowMils = "Hole diameter can't be less than 1mil.";
  const char* kNonPlatedBelowMils = "Hole diameter can't be less than 1mil...";
  const char* kNonPlatedAboveMils =
      "Hole diameter can't be greater than 250mils. Holes larger the 250mils need to be routed out";
  struct Row {
    bool nonPlated, metric, comma;
    const char* typed;
    const char* message;  // nullptr: none
    const char* corrected;
  };
  const Row rows[] = {
      {false, false, false, "0.5", kPlatedBelowMils, "1"},
      {true, false, false, "0.5", kNonPlatedBelowMils, "1"},
      {true, false, false, "300", kNonPlatedAboveMils, "250"},
      {false, true, false, "0.02", "Hole diameter can't be less than 0.0254mm", "0.0254"},
      {false, true, true, "0,02", "Hole diameter can't be less than 0,0254mm", "0,0254"},
      {true, true, false, "0.02", "Drill diameter can't be less than 0.0254mm", "0.0254"},
      {true, true, true, "0,02", "Drill diameter can't be less than 0,0254mm", "0,0254"},
      {true, true, false, "7",
       "Drill diameter can't be greater than 6.35mm. Holes larger the 6.35mm need to be routed out", "6.35"},
      {true, true, true, "7",
       "Drill diameter can't be greater than 6,35mm. Holes larger the 6,35mm need to be routed out", "6,35"},
      // 0.1 mm is well above the lower limit and 6.3 mm below the upper one.
      {false, true, false, "0.1", nullptr, "0.1"},
      {true, true, true, "0,1", nullptr, "0,1"},
      {true, true, false, "6.3", nullptr, "6.3"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.nonPlated ? "non-plated " : "plated ") + (r.metric ? "mm " : "mils ") +
                 (r.comma ? "comma " : "point ") + r.typed);
    TestProgram t(r.comma ? CommaStart() : StartOptions{});
    OpenCalculator(t, "Padstacks1", r.metric);
    if (r.nonPlated) t.selectRadio("RadioGroup7", 1);
    t.takeMessages();
    Enter(t, "Edit33", r.typed);
    const std::vector<Message> expected =
        r.message ? std::vector<Message>{InfoBox(r.message)} : std::vector<Message>{};
    EXPECT_EQ(t.takeMessages(), expected);
    EXPECT_EQ(t.text("Edit33"), r.corrected);
  }
}

TEST(PadstackPage, MetricHoleIsNotCheckedInAnUnknownDecimalMode) {
  TestProgram t;
  OpenCalculator(t, "Padstacks1");
  ToMetric(t);
  t.form().label("Label165").setCaption("2");
  Enter(t, "Edit33", "7");
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(t.text("Edit33"), "7");
}

// Std Tooling: non-plated hole 125; internal pad 125 + 2 x 12 = 149, plane
// pad 149 + 12 = 161. Metric: 3.175 and 3.175 + 1.27 = 4.445.
TEST(PadstackPage, StdToolingPresetAndBackToCustom) {
  TestProgram t;
  OpenCalculator(t, "Padstacks1");
  t.selectCombo("ComboBox2", 1);
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(t.itemIndex("RadioGroup7"), 1);
  EXPECT_FALSE(t.enabled("RadioGroup7"));
  EXPECT_EQ(t.text("Edit33"), "125");
  EXPECT_FALSE(t.enabled("Edit33"));
  EXPECT_EQ(t.text("Edit34"), "N/A");
  EXPECT_EQ(t.text("Edit35"), "N/A");
  EXPECT_FALSE(t.enabled("Edit34"));
  EXPECT_FALSE(t.enabled("Edit35"));
  expectResults(t, {"125.00 mils", "149.00 mils", "161.00 mils"});
  EXPECT_EQ(t.text("Label69"), "Pad Diameter");
  EXPECT_FALSE(t.showing("Edit39"));
  EXPECT_FALSE(t.showing("Edit40"));

  // Another preset keeps Non-Plated without a second save.
  t.selectCombo("ComboBox2", 2);
  expectResults(t, {"106.00 mils", "130.00 mils", "142.00 mils"});

  t.selectCombo("ComboBox2", 0);
  EXPECT_EQ(t.itemIndex("RadioGroup7"), 0);
  ExpectTexts(t, {{"Edit34", "12.00"}, {"Edit35", "12.00"}, {"Edit33", "32"}});
  EXPECT_TRUE(t.enabled("Edit33"));
  expectResults(t, {"56.00 mils", "56.00 mils", "80.00 mils"});
  EXPECT_TRUE(t.showing("Edit40"));
}

TEST(PadstackPage, StdToolingInMetric) {
  TestProgram t;
  OpenCalculator(t, "Padstacks1", true);
  t.selectCombo("ComboBox2", 1);
  EXPECT_EQ(t.text("Edit33"), "3.175");
  expectResults(t, {"3.1750 mm", "4.4450 mm", "4.4450 mm"});
}

// Saved in mils, restored in mm: 12 mils = 0.3048 mm.
TEST(PadstackPage, SavedRingTextsFollowAUnitsChange) {
  TestProgram t;
  OpenCalculator(t, "Padstacks1");
  t.selectCombo("ComboBox2", 1);
  ToMetric(t);
  EXPECT_EQ(t.text("Edit34"), "N/A");
  t.selectCombo("ComboBox2", 0);
  ExpectTexts(t, {{"Edit34", "0.3048"}, {"Edit35", "0.3048"}, {"Edit33", "0.8128"}});
  expectResults(t, {"1.4224 mm", "1.4224 mm", "2.0320 mm"});
}

// The user's own click on Non-Plated saves the texts with a point; Plated
// writes them back in the decimal mode.
TEST(PadstackPage, PadStyleSavesAndRestoresRingTextsInCommaMode) {
  TestProgram t(CommaStart());
  OpenCalculator(t, "Padstacks1", true);
  EXPECT_EQ(t.text("Edit34"), "0,3048");
  t.selectRadio("RadioGroup7", 1);
  EXPECT_EQ(t.text("Edit34"), "N/A");
  // Non-plated Metric pads: 0.8128 + 1.27 = 2.0828.
  expectResults(t, {"0,8128 mm", "2,0828 mm", "2,0828 mm"});
  t.selectRadio("RadioGroup7", 0);
  EXPECT_EQ(t.text("Edit34"), "0,3048");
  EXPECT_EQ(t.text("Edit35"), "0,3048");
  expectResults(t, {"1,4224 mm", "1,4224 mm", "2,0320 mm"});
}

// Ring and isolation last read in mm (0.3048 = 12 mils) count in mils after
// the Units switch: internal pad 2 x 12 + 32 = 56, plane pad 56 + 12 = 68.
TEST(PadstackPage, NonPlatedImperialUsesTheLastRingInMils) {
  TestProgram t;
  OpenCalculator(t, "Padstacks1", true);
  t.selectRadio("RadioGroup7", 1);
  ToImperial(t);
  EXPECT_EQ(t.text("Edit33"), "32");
  expectResults(t, {"32.00 mils", "56.00 mils", "68.00 mils"});
}

TEST(PadstackPage, TypeRadioResetsTheHoleTypeWithoutApplyingIt) {
  TestProgram t;
  OpenCalculator(t, "Padstacks1");
  t.selectCombo("ComboBox2", 1);
  choosePadType(t, 2);
  choosePadType(t, 0);
  EXPECT_EQ(t.itemIndex("ComboBox2"), 0);
  EXPECT_EQ(t.itemIndex("RadioGroup7"), 1);
  EXPECT_FALSE(t.enabled("RadioGroup7"));
  EXPECT_TRUE(t.enabled("Edit33"));
  EXPECT_EQ(t.text("Edit33"), "32");
}

// Pitch 100, width 12, spacing 12, hole 32, ring 7: minimum pad 46,
// largest pad 100 - 36 = 64, ring left (64 - 32) / 2 = 16.
// Two conductors, 10 and 10: 100 - 50 = 50, ring 9.
TEST(PadstackPage, ConductorPadThDefaults) {
  struct Row {
    int type;
    bool metric;
    Results expected;
    std::string minimum;
  };
  // Metric: 2.54 - (0.3048 + 2 x 0.3048) = 1.6256 (three decimals: 1.626),
  // ring (1.6256 - 0.8128) / 2 = 0.4064; minimum 2 x 0.1778 + 0.8128 = 1.1684.
  // Two: 2.54 - (2 x 0.254 + 3 x 0.254) = 1.27, ring 0.2286.
  const Row rows[] = {
      {2, false, {"64.00 mils", "16.00 mils", ""}, "46.00 mils"},
      {4, false, {"50.00 mils", "9.00 mils", ""}, "46.00 mils"},
      {2, true, {"1.626 mm", "0.4064 mm", ""}, "1.1684 mm"},
      {4, true, {"1.2700 mm", "0.2286 mm", ""}, "1.1684 mm"},
  };
  for (const auto& r : rows) {
    TestProgram t;
    OpenCalculator(t, "Padstacks1");
    if (r.metric) ToMetric(t);
    choosePadType(t, r.type);
    EXPECT_EQ(t.text("Edit36"), r.expected.edit36) << r.type << r.metric;
    EXPECT_EQ(t.text("Edit37"), r.expected.edit37) << r.type << r.metric;
    EXPECT_EQ(t.text("Label56"), r.minimum);
    expectPadWarning(t, false);
    EXPECT_TRUE(t.showing("Image" + std::string(r.type == 2 ? "45" : "66")));
    EXPECT_TRUE(t.showing("Edit211"));
    EXPECT_EQ(t.text("Edit213"), r.metric ? "0.1778" : "7");
    EXPECT_TRUE(t.takeMessages().empty());
  }
}

// The type radio writes the Metric defaults in comma form in comma mode:
// two conductors, 2.54 - 5 x 0.254 = 1.27, ring (1.27 - 0.8128) / 2 = 0.2286.
TEST(PadstackPage, TypeDefaultsTakeTheCommaInMetric) {
  TestProgram t(CommaStart());
  OpenCalculator(t, "Padstacks1");
  ToMetric(t);
  choosePadType(t, 4);
  ExpectTexts(t, {{"Edit33", "2,54"}, {"Edit34", "0,2540"}, {"Edit211", "0,8128"}, {"Edit213", "0,1778"},
                  {"Edit36", "1,2700 mm"}, {"Edit37", "0,2286 mm"}});
  EXPECT_TRUE(t.takeMessages().empty());
}

// Pitch 50: largest pad 14 < 46, ring (14 - 32) / 2 = -9, both red.
TEST(PadstackPage, PadTooSmallTurnsRed) {
  TestProgram t;
  openOnPadType(t, 2);
  Enter(t, "Edit33", "50");
  EXPECT_EQ(t.text("Edit36"), "14.00 mils");
  EXPECT_EQ(t.text("Edit37"), "-9.00 mils");
  expectPadWarning(t, true);
  Enter(t, "Edit33", "100");
  expectPadWarning(t, false);
}

// Pitch 40 < 46: corrected to 46 and solved again (pad 46 - 36 = 10 < 46:
// red), and that solve's results stand.
TEST(PadstackPage, PitchBelowHoleAndRingIsCorrected) {
  TestProgram t;
  openOnPadType(t, 2);
  Enter(t, "Edit33", "40");
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox(
                                  "Distance between pads cannont be less than the hole diameter + annular ring x2.")});
  EXPECT_EQ(t.text("Edit33"), "46");
  EXPECT_EQ(t.text("Edit36"), "10.00 mils");
  expectPadWarning(t, true);
}

// Ring 0.1 and hole 0.1 sum to 0.30000000000000004, printed "0.3": the
// corrected pitch must be accepted by the nested solve (one message, not an
// endless chain), and a typed 0.3 is not corrected at all.
TEST(PadstackPage, CorrectedPitchIsAcceptedWhenItsDigitsRoundDown) {
  TestProgram t;
  openOnPadType(t, 2);
  Enter(t, "Edit211", "0.1");
  Enter(t, "Edit213", "0.1");
  t.takeMessages();
  Enter(t, "Edit33", "0.2");
  EXPECT_EQ(t.takeMessages().size(), 1u);
  EXPECT_EQ(t.text("Edit33"), "0.3");
  t.takeSolves();
  t.pressEnter("Edit33");
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(t.takeSolves(), 1);
}

TEST(PadstackPage, NegativeWidthAndSpacingAreZeroed) {
  TestProgram t;
  openOnPadType(t, 2);
  Enter(t, "Edit34", "-2");
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox("Conductor width should be greater than zero.")});
  EXPECT_EQ(t.text("Edit34"), "0");
  EXPECT_EQ(t.text("Edit36"), "76.00 mils");  // 100 - 24
  Enter(t, "Edit35", "-2");
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox("Spacing constraint should be at least zero.")});
  EXPECT_EQ(t.text("Edit35"), "0");
}

// After a correction the nested solve's results stand and the solve that
// made it ends. Pitch 50, W -20 (hole 32, ring 7, S 12): the outer solve
// reads D = 50 - (24 - 20) = 46, not below 2m + d = 46, but the nested one
// reads W 0: D = 50 - 24 = 26, A = (26 - 32) / 2 = -3, below 46: red with
// the warning. Two conductors, W -20 at the defaults (100, 10, 10): nested
// W 0 gives D = 100 - 30 = 70, A = 19, navy.
TEST(PadstackPage, ANestedSolveAfterACorrectionHasTheLastWord) {
  struct Row {
    int type;
    Texts typed;
    std::vector<Message> messages;
    int solves;
    const char *pad, *ring;
    bool warning;
  };
  const char* kWidth = "Conductor width should be greater than zero.";
  const char* kSpacing = "Spacing constraint should be at least zero.";
  const Row rows[] = {
      {2, {{"Edit33", "50"}, {"Edit34", "-20"}}, {InfoBox(kWidth)}, 2, "26.00 mils", "-3.00 mils", true},
      {4, {{"Edit34", "-20"}}, {InfoBox(kWidth)}, 2, "70.00 mils", "19.00 mils", false},
      // Both negative: W is zeroed, the nested solve zeroes S and solves
      // once more: 100 - 0 = 100 (one) or 100 - 0 = 100 (two), ring 34.
      {2, {{"Edit34", "-2"}, {"Edit35", "-3"}}, {InfoBox(kWidth), InfoBox(kSpacing)}, 3, "100.00 mils", "34.00 mils",
       false},
      {4, {{"Edit34", "-2"}, {"Edit35", "-3"}}, {InfoBox(kWidth), InfoBox(kSpacing)}, 3, "100.00 mils", "34.00 mils",
       false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.type) + " " + row.typed.back().second);
    TestProgram t;
    OpenCalculator(t, "Padstacks1");
    choosePadType(t, row.type);
    t.takeMessages();
    t.takeSolves();
    EnterAll(t, row.typed);
    EXPECT_EQ(t.takeMessages(), row.messages);
    EXPECT_EQ(t.takeSolves(), row.solves);
    ExpectTexts(t, {{"Edit36", row.pad}, {"Edit37", row.ring}, {"Label56", "46.00 mils"}});
    expectPadWarning(t, row.warning);
  }
}

// Pitch 40, land 13, spacing 6: 40 - 13 - 12 = 15; two: (40 - 13 - 18) / 2 = 4.5.
// Metric 1.00, 0.45, 0.1524: 0.2452 and (1 - 0.45 - 0.4572) / 2 = 0.0464.
TEST(PadstackPage, ConductorBetweenBgaLands) {
  struct Row {
    int type;
    bool metric;
    std::string width, land;
  };
  const Row rows[] = {
      {3, false, "15.000 mils", "13.00 mils"},
      {5, false, "4.500 mils", "13.00 mils"},
      {3, true, "0.2452 mm", "0.4500 mm"},
      {5, true, "0.0464 mm", "0.4500 mm"},
  };
  for (const auto& r : rows) {
    TestProgram t;
    OpenCalculator(t, "Padstacks1");
    if (r.metric) ToMetric(t);
    choosePadType(t, r.type);
    EXPECT_EQ(t.text("Edit36"), r.width) << r.type << r.metric;
    EXPECT_EQ(t.text("Label55"), "Land Diameter");
    EXPECT_EQ(t.text("Label56"), r.land);
    EXPECT_FALSE(t.showing("Edit37"));
    EXPECT_FALSE(t.showing("Memo5"));
  }
}

TEST(PadstackPage, BgaConductorChecks) {
  TestProgram t;
  openOnPadType(t, 3);
  Enter(t, "Edit35", "20");  // 40 - 13 - 40 = -13
  EXPECT_EQ(t.text("Edit36"), "-13.000 mils");
  EXPECT_EQ(t.fontColor("Edit36"), colors::Red);
  EXPECT_TRUE(t.showing("Memo5"));
  Enter(t, "Edit35", "6");
  Enter(t, "Edit33", "10");  // below the land: pitch becomes 13, width 13 - 13 - 12 = -12
  EXPECT_EQ(t.takeMessages(),
            std::vector<Message>{InfoBox("Distance between lands cannont be less than the land diameter.")});
  EXPECT_EQ(t.text("Edit33"), "13");
  EXPECT_EQ(t.text("Edit36"), "-12.000 mils");
  Enter(t, "Edit34", "-1");
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox("Land diameter should be greater than zero.")});
  EXPECT_EQ(t.text("Edit34"), "0");
}

// 100 x 100: c = 141.42; drills 143.42 -> 143 and 152.42 -> 152.
// 40.5 x 0: drills 42.5 -> 42 and 51.5 -> 52, halves to even.
// Metric 2.54 x 2.54: c = 3.592, drills 3.643 and 3.872.
TEST(PadstackPage, CornerToCorner) {
  TestProgram t;
  openOnPadType(t, 6);
  expectResults(t, {"141.42 mils", "143.00 mils", "152.00 mils"});
  EXPECT_EQ(t.text("Label55"), "Formula");
  EXPECT_EQ(t.text("Label56"), "Pythagorean");
  EXPECT_FALSE(t.showing("Edit35"));
  Enter(t, "Edit33", "40.5");
  Enter(t, "Edit34", "0");
  expectResults(t, {"40.50 mils", "42.00 mils", "52.00 mils"});
  Enter(t, "Edit34", "-5");
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox("Side b should be greater than zero.")});
  EXPECT_EQ(t.text("Edit34"), "0");

  TestProgram m;
  OpenCalculator(m, "Padstacks1", true);
  choosePadType(m, 6);
  expectResults(m, {"3.592 mm", "3.643 mm", "3.872 mm"});
}

TEST(PadstackPage, BgaLandSizeLooksUpTheBall) {
  for (bool comma : {false, true}) {
    TestProgram t(comma ? CommaStart() : StartOptions{});
    OpenCalculator(t, "Padstacks1");
    choosePadType(t, 1);
    EXPECT_EQ(t.text("Edit36"), comma ? "0,55 mm" : "0.55 mm");
    EXPECT_EQ(t.text("Edit37"), comma ? "0,60 mm - 0,50 mm" : "0.60 mm - 0.50 mm");
    EXPECT_EQ(t.items("ComboBox4").front(), comma ? "0,75 mm" : "0.75 mm");
    EXPECT_EQ(t.items("ComboBox4").back(), comma ? "0,15 mm" : "0.15 mm");
    EXPECT_EQ(t.text("Label55"), "Land Diameter");
    EXPECT_EQ(t.text("Label56"), "Larger land variation");
    EXPECT_FALSE(t.enabled("Button1"));
    EXPECT_FALSE(t.enabled("RadioGroup6"));
    EXPECT_TRUE(t.showing("ComboBox4"));
    EXPECT_FALSE(t.showing("Edit33"));
  }
  TestProgram t;
  openOnPadType(t, 1);
  for (int ball : {3, 4}) {
    t.selectCombo("ComboBox4", ball);
    EXPECT_EQ(t.text("Edit36"), "0.40 mm");
    EXPECT_EQ(t.text("Edit37"), "0.45 mm - 0.35 mm");
  }
  // Coming back to the calculator keeps BGA: Solve! off, Units on.
  t.chooseMenu("PDNImpedance1");
  t.chooseMenu("Padstacks1");
  EXPECT_FALSE(t.enabled("Button1"));
  EXPECT_TRUE(t.enabled("RadioGroup6"));
  EXPECT_EQ(t.text("Edit36"), "0.40 mm");
  choosePadType(t, 0);
  EXPECT_TRUE(t.enabled("Button1"));
  EXPECT_TRUE(t.enabled("RadioGroup6"));
}

TEST(PadstackPage, TextThatIsNoNumberEndsTheSolve) {
  TestProgram t;
  OpenCalculator(t, "Padstacks1");
  Enter(t, "Edit33", "abc");
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{ErrorBox("'abc' is not a valid floating point value")});
}

}  // namespace
}  // namespace cq::test

namespace cq::test {
namespace {

// The page as first shown must already be the Thru-Hole layout: going to
// another type and back changes no control's visibility.
TEST(PadstackPage, TheFirstShownPageIsTheThruHoleLayout) {
  TestProgram t;
  t.chooseMenu("Padstacks1");
  auto visibility = [&] {
    std::vector<std::pair<std::string, bool>> shown;
    for (Control* c : t.form().control("GroupBox10").children()) shown.emplace_back(c->name(), c->visible());
    return shown;
  };
  const auto first = visibility();
  t.selectRadio("RadioGroup14", 1);
  t.selectRadio("RadioGroup14", 0);
  EXPECT_EQ(visibility(), first);
}

}  // namespace
}  // namespace cq::test
