// The Differential Pairs page as a user drives it: the protocol targets,
// the tolerance track bar, the target box's click and exit, and the
// hand-over of the pair's impedance to the differential-via calculator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

constexpr const char* kMenu = "DifferentialPairs1";
constexpr int kCustom = 17;

struct ProtocolCase {
  int item;
  const char* caption;
  const char* target;
  const char* upper;  // the target x 1.125 of the start tolerance, by hand
};

constexpr const char* k100 = "112.500 Ohms";
constexpr const char* k90 = "101.250 Ohms";
constexpr const char* k95 = "106.875 Ohms";
constexpr const char* k85 = "95.625 Ohms";

// The protocol list with the target each one writes.
const ProtocolCase kProtocols[] = {
    {0, "DDR2 CLK/DQS", "100", k100},   {1, "DDR3 CLK/DQS", "100", k100},
    {2, "DDR4 CLK/DQS", "100", k100},   {3, "USB 2.X", "90", k90},
    {4, "USB 3.X", "90", k90},          {5, "LVDS", "100", k100},
    {6, "HDMI", "100", k100},           {7, "SATA", "100", k100},
    {8, "Ethernet", "100", k100},       {9, "DisplayPort", "100", k100},
    {10, "DisplayPort Eaglelake", "95", k95}, {11, "DisplayPort Calpella", "85", k85},
    {12, "PCIe Gen1", "100", k100},     {13, "PCIe Gen2", "100", k100},
    {14, "PCIe Gen3", "85", k85},       {15, "PCIe Gen4", "85", k85},
    {16, "SSRX/SSTX", "90", k90},
};

TEST(DifferentialPairsPage, EachProtocolWritesItsTargetAndSolvesOnce) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  ASSERT_EQ(t.items("ComboBox5").size(), 18u);
  EXPECT_EQ(t.items("ComboBox5")[kCustom], "Custom");
  for (const auto& c : kProtocols) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(t.items("ComboBox5")[static_cast<size_t>(c.item)], c.caption);
    // Start from a typed target under "Custom", so every item is a change.
    t.type("Edit151", "77");
    t.selectCombo("ComboBox5", kCustom);
    t.takeSolves();
    t.selectCombo("ComboBox5", c.item);
    EXPECT_EQ(t.text("Edit151"), c.target);
    EXPECT_EQ(t.takeSolves(), 1);
    EXPECT_EQ(t.text("Edit30"), c.upper) << "the solve used the new target";
  }
}

TEST(DifferentialPairsPage, CustomKeepsTheTypedTargetAndSolves) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  t.selectCombo("ComboBox5", 3);
  t.type("Edit151", "93.5");
  t.takeSolves();
  t.selectCombo("ComboBox5", kCustom);
  EXPECT_EQ(t.text("Edit151"), "93.5");
  EXPECT_EQ(t.takeSolves(), 1);
  // 93.5 x 1.125 = 105.1875, printed with three decimals.
  EXPECT_EQ(t.text("Edit30"), "105.188 Ohms");
}

struct ToleranceCase {
  int position;
  const char* point;
  const char* comma;
  const char* upper;  // bounds of the target 100: 100 x (1 +/- 0.025 (p + 1)), python3
  const char* lower;
};

// The ten steps, 2.5 % apart.
const ToleranceCase kTolerances[] = {
    {0, "2.5%", "2,5%", "102.500 Ohms", "97.500 Ohms"},   {1, "5%", "5%", "105.000 Ohms", "95.000 Ohms"},
    {2, "7.5%", "7,5%", "107.500 Ohms", "92.500 Ohms"},   {3, "10%", "10%", "110.000 Ohms", "90.000 Ohms"},
    {4, "12.5%", "12,5%", "112.500 Ohms", "87.500 Ohms"}, {5, "15%", "15%", "115.000 Ohms", "85.000 Ohms"},
    {6, "17.5%", "17,5%", "117.500 Ohms", "82.500 Ohms"}, {7, "20%", "20%", "120.000 Ohms", "80.000 Ohms"},
    {8, "22.5%", "22,5%", "122.500 Ohms", "77.500 Ohms"}, {9, "25%", "25%", "125.000 Ohms", "75.000 Ohms"},
};

TEST(DifferentialPairsPage, TheTrackBarShowsItsStepInEitherDecimalForm) {
  for (bool comma : {false, true}) {
    TestProgram t(DecimalStart(comma));
    OpenCalculator(t, kMenu);
    EXPECT_EQ(t.text("Label46"), comma ? "12,5%" : "12.5%") << "at start";
    EXPECT_EQ(t.text("Edit30"), comma ? "112,500 Ohms" : "112.500 Ohms") << "at start";
    EXPECT_EQ(t.text("Edit31"), comma ? "87,500 Ohms" : "87.500 Ohms") << "at start";
    for (const auto& c : kTolerances) {
      SCOPED_TRACE(c.position);
      // From the far end, so that each position is a move.
      t.moveTrackBar("TrackBar1", c.position == 9 ? 0 : 9);
      t.takeSolves();
      t.moveTrackBar("TrackBar1", c.position);
      EXPECT_EQ(t.text("Label46"), comma ? c.comma : c.point);
      EXPECT_EQ(t.takeSolves(), 1);
      EXPECT_EQ(t.text("Edit30"), comma ? WithComma(c.upper) : c.upper);
      EXPECT_EQ(t.text("Edit31"), comma ? WithComma(c.lower) : c.lower);
    }
  }
}

// The start pair's Zdiff is 100.979 Ohms (the edge microstrip at its start
// values). Against 90 it is inside 12.5 % (up to 101.25) but not 10 % (99).
TEST(DifferentialPairsPage, MovingTheTrackBarRepaintsTheVerdict) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  ASSERT_EQ(t.text("Edit29"), "100.979 Ohms");
  Enter(t, "Edit151", "90");
  const Shape& verdict = t.form().get<Shape>("Shape1");
  EXPECT_EQ(verdict.brush(), colors::Lime);
  t.moveTrackBar("TrackBar1", 3);
  EXPECT_EQ(verdict.brush(), colors::Red);
  t.moveTrackBar("TrackBar1", 4);
  EXPECT_EQ(verdict.brush(), colors::Lime);
}

// The user clicks into the target impedance field.
void clickIntoTheTarget(TestProgram& t) {
  t.focus("Edit151");
  t.click("Edit151");
}

// The target text and the protocol chosen for it, with no solve since the
// last count.
void expectTarget(TestProgram& t, const char* target, int protocol, const char* protocolText) {
  ExpectTexts(t, {{"Edit151", target}, {"ComboBox5", protocolText}});
  EXPECT_EQ(t.itemIndex("ComboBox5"), protocol);
  EXPECT_EQ(t.takeSolves(), 0);
}

TEST(DifferentialPairsPage, ClickingIntoTheTargetEmptiesItAndSelectsCustomWithoutSolving) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  t.selectCombo("ComboBox5", 3);
  t.takeSolves();
  clickIntoTheTarget(t);
  expectTarget(t, "", kCustom, "Custom");
}

TEST(DifferentialPairsPage, LeavingTheTargetEmptyRestoresTheFirstProtocolWithoutSolving) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  clickIntoTheTarget(t);
  t.focus("Edit21");
  expectTarget(t, "100", 0, "DDR2 CLK/DQS");
}

TEST(DifferentialPairsPage, LeavingATypedTargetKeepsItAndCustom) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  clickIntoTheTarget(t);
  t.type("Edit151", "85");
  t.focus("Edit21");
  expectTarget(t, "85", kCustom, "Custom");
}

// The send button hands the last solved Zdiff to the differential vias.
// The via insertion loss reads Edit386, so a solve after the write shows in
// it. Zdiff of the start pair: 100.979 Ohms in mils, 101.041 Ohms in mm
// (the solver's worked examples).
struct SendCase {
  bool comma;
  bool metric;
  const char* sent;
};

TEST(DifferentialPairsPage, SendToViaCalculatorHandsOverTheSolvedImpedanceAndSolves) {
  for (const SendCase& c : {SendCase{false, false, "100.979"}, SendCase{true, false, "100,979"},
                            SendCase{false, true, "101.041"}, SendCase{true, true, "101,041"}}) {
    SCOPED_TRACE(c.sent);
    TestProgram t(DecimalStart(c.comma));
    OpenCalculator(t, "ViaProperties1");
    t.selectRadio("RadioGroup5", 1);
    const std::string lossWithDefault = t.text("Edit13");
    OpenCalculator(t, kMenu);
    if (c.metric) ToMetric(t);
    t.selectRadio("RadioGroup3", 1);
    // The last solve counts: back to the edge microstrip before sending.
    t.selectRadio("RadioGroup3", 0);
    t.takeMessages();
    t.click("Button18");
    EXPECT_TRUE(t.showing("GroupBox1"));
    EXPECT_FALSE(t.showing("GroupBox8"));
    EXPECT_EQ(t.itemIndex("RadioGroup5"), 1);
    EXPECT_TRUE(t.showing("Edit386"));
    EXPECT_EQ(t.text("Edit386"), c.sent);
    const std::string loss = t.text("Edit13");
    if (!c.metric) {
      EXPECT_NE(loss, lossWithDefault);
    }
    t.pressEnter("Edit386");
    EXPECT_EQ(t.text("Edit13"), loss) << "the hand-over's own solve used the new impedance";
    EXPECT_TRUE(t.takeMessages().empty());
  }
}

// The send takes the Zdiff of the last solve, whichever structure gave it.
TEST(DifferentialPairsPage, SendWritesTheLastPairValueEvenFromAnotherStructure) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  t.selectRadio("RadioGroup3", 4);
  // Broadside shielded at the start values: Zdiff 43.730 Ohms (worked example).
  ASSERT_EQ(t.text("Edit29"), "43.730 Ohms");
  t.click("Button18");
  EXPECT_EQ(t.text("Edit386"), "43.730");
}

constexpr const char* kAbove = "Enter the conductor's distance above its reference plane.";
constexpr const char* kBelow = "Enter the conductor's distance below its reference plane.";
constexpr const char* kPlanes = "Enter the distance between the two reference planes.";
constexpr const char* kSubstrate = "Enter the thickness of the substrate.";

struct StructureCase {
  int item;
  const char* picture;
  const char* heightCaption;
  const char* heightHint;
  const char* secondHeightHint;  // nullptr: the second height row is hidden
  bool zo;
  bool plating;
};

const StructureCase kStructures[] = {
    {0, "Image1", "Conductor Height (H)", kAbove, nullptr, true, true},
    {1, "Image4", "Conductor Height (H)", kPlanes, nullptr, true, false},
    {2, "Image23", "Conductor Height (H1)", kAbove, kBelow, true, false},
    {3, "Image21", "Conductor Height (H1)", kAbove, kSubstrate, true, false},
    {4, "Image17", "Conductor Height (H)", kPlanes, nullptr, false, false},
    {5, "Image18", "Conductor Height (H)", kSubstrate, nullptr, false, false},
};
const char* const kPictures[] = {"Image1", "Image4", "Image23", "Image21", "Image17", "Image18"};

// Each structure reached from every other one: nothing a previous layout
// left may survive into the next.
TEST(DifferentialPairsPage, EachStructureShowsItsPictureCaptionsAndHintsFromAnyOther) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  EXPECT_EQ(t.items("RadioGroup3"),
            (std::vector<std::string>{"Edge Cpld Ext", "Edge Cpld Int Sym", "Edge Cpld Int Asym", "Edge Cpld Embed",
                                      "Broad Cpld Shld", "Broad Cpld NShld"}));
  for (const auto& from : kStructures)
    for (const auto& c : kStructures) {
      if (from.item == c.item) continue;
      SCOPED_TRACE(std::to_string(from.item) + " -> " + std::to_string(c.item));
      t.selectRadio("RadioGroup3", from.item);
      t.selectRadio("RadioGroup3", c.item);
      for (const char* picture : kPictures) EXPECT_EQ(t.showing(picture), picture == std::string(c.picture)) << picture;
      EXPECT_EQ(t.text("Label40"), c.heightCaption);
      EXPECT_EQ(t.control("Edit27").hint(), c.heightHint);
      const bool second = c.secondHeightHint != nullptr;
      for (const char* row : {"Label58", "Edit32", "Edit65"}) EXPECT_EQ(t.showing(row), second) << row;
      if (second) {
        EXPECT_EQ(t.text("Label58"), "Conductor Height (H2)");
        EXPECT_EQ(t.control("Edit32").hint(), c.secondHeightHint);
      }
      EXPECT_EQ(t.showing("Edit28"), c.zo);
      EXPECT_EQ(t.showing("Label43"), c.zo);
      for (const char* plating : {"RadioGroup1", "GroupBox32", "Edit138", "Edit139"})
        EXPECT_EQ(t.enabled(plating), c.plating) << plating;
      for (const char* note : {"Label192", "Label259", "Label394"}) EXPECT_FALSE(t.showing(note)) << note;
    }
}

TEST(DifferentialPairsPage, ReactivationReturnsToTheFirstStructureAndKeepsTheChoices) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  t.selectRadio("RadioGroup3", 5);
  t.selectCombo("ComboBox5", 3);
  t.moveTrackBar("TrackBar1", 7);
  t.type("Edit21", "12");
  OpenCalculator(t, "ViaProperties1");
  OpenCalculator(t, kMenu);
  EXPECT_EQ(t.itemIndex("RadioGroup3"), 0);
  EXPECT_TRUE(t.showing("Image1"));
  EXPECT_FALSE(t.showing("Image18"));
  EXPECT_TRUE(t.showing("Edit28"));
  EXPECT_EQ(t.control("Edit27").hint(), kAbove);
  EXPECT_EQ(t.itemIndex("ComboBox5"), 3);
  ExpectTexts(t, {{"Edit151", "90"}, {"Label46", "20%"}, {"Edit21", "12"}});
}

// The switch converts the lengths (mils x 25.4 / 1000, by hand) and leaves
// the voltage, the rise time and the target as typed.
TEST(DifferentialPairsPage, TheUnitsSwitchConvertsOnlyTheLengths) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  t.selectRadio("RadioGroup3", 2);
  ToMetric(t);
  ExpectTexts(t, {{"Edit21", "0.254"}, {"Edit26", "0.127"}, {"Edit27", "0.381"}, {"Edit32", "0.127"},
                  {"Edit398", "2.54"}, {"Edit394", "1"}, {"Edit400", "1"}, {"Edit151", "100"},
                  {"Edit62", "mm"}, {"Edit63", "mm"}, {"Edit64", "mm"}, {"Edit65", "mm"}, {"Edit399", "mm"},
                  {"Edit395", "Volts"}, {"Edit401", "ns"}, {"Edit152", "Ohms"}});
  ToImperial(t);
  ExpectTexts(t, {{"Edit21", "10"}, {"Edit26", "5"}, {"Edit27", "15"}, {"Edit32", "5"}, {"Edit398", "100"},
                  {"Edit62", "mils"}, {"Edit399", "mils"}});
}

}  // namespace
}  // namespace cq::test
