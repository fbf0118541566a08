// The Differential Pairs page as a user drives it: the protocol targets,
// the tolerance track bar, the target box's click and exit, and the
// hand-over of the pair's impedance to the differential-via calculator.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
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
};

// The protocol list with the target each one writes.
const ProtocolCase kProtocols[] = {
    {0, "DDR2 CLK/DQS", "100"},   {1, "DDR3 CLK/DQS", "100"},
    {2, "DDR4 CLK/DQS", "100"},   {3, "USB 2.X", "90"},
    {4, "USB 3.X", "90"},         {5, "LVDS", "100"},
    {6, "HDMI", "100"},           {7, "SATA", "100"},
    {8, "Ethernet", "100"},       {9, "DisplayPort", "100"},
    {10, "DisplayPort Eaglelake", "95"}, {11, "DisplayPort Calpella", "85"},
    {12, "PCIe Gen1", "100"},     {13, "PCIe Gen2", "100"},
    {14, "PCIe Gen3", "85"},      {15, "PCIe Gen4", "85"},
    {16, "SSRX/SSTX", "90"},
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
}

struct ToleranceCase {
  int position;
  const char* point;
  const char* comma;
};

// Captions of the ten steps, 2.5 % apart.
const ToleranceCase kTolerances[] = {
    {0, "2.5%", "2,5%"},   {1, "5%", "5%"},   {2, "7.5%", "7,5%"},   {3, "10%", "10%"},
    {4, "12.5%", "12,5%"}, {5, "15%", "15%"}, {6, "17.5%", "17,5%"}, {7, "20%", "20%"},
    {8, "22.5%", "22,5%"}, {9, "25%", "25%"},
};

TEST(DifferentialPairsPage, TheTrackBarShowsItsStepInEitherDecimalForm) {
  for (bool comma : {false, true}) {
    TestProgram t(DecimalStart(comma));
    OpenCalculator(t, kMenu);
    EXPECT_EQ(t.text("Label46"), comma ? "12,5%" : "12.5%") << "at start";
    for (const auto& c : kTolerances) {
      SCOPED_TRACE(c.position);
      // From the far end, so that each position is a move.
      t.moveTrackBar("TrackBar1", c.position == 9 ? 0 : 9);
      t.takeSolves();
      t.moveTrackBar("TrackBar1", c.position);
      EXPECT_EQ(t.text("Label46"), comma ? c.comma : c.point);
      EXPECT_EQ(t.takeSolves(), 1);
    }
  }
}

TEST(DifferentialPairsPage, ClickingIntoTheTargetEmptiesItAndSelectsCustomWithoutSolving) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  t.selectCombo("ComboBox5", 3);
  t.takeSolves();
  t.focus("Edit151");
  t.click("Edit151");
  EXPECT_EQ(t.text("Edit151"), "");
  EXPECT_EQ(t.itemIndex("ComboBox5"), kCustom);
  EXPECT_EQ(t.text("ComboBox5"), "Custom");
  EXPECT_EQ(t.takeSolves(), 0);
}

TEST(DifferentialPairsPage, LeavingTheTargetEmptyRestoresTheFirstProtocolWithoutSolving) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  t.focus("Edit151");
  t.click("Edit151");
  t.focus("Edit21");
  EXPECT_EQ(t.text("Edit151"), "100");
  EXPECT_EQ(t.itemIndex("ComboBox5"), 0);
  EXPECT_EQ(t.text("ComboBox5"), "DDR2 CLK/DQS");
  EXPECT_EQ(t.takeSolves(), 0);
}

TEST(DifferentialPairsPage, LeavingATypedTargetKeepsItAndCustom) {
  TestProgram t;
  OpenCalculator(t, kMenu);
  t.focus("Edit151");
  t.click("Edit151");
  t.type("Edit151", "85");
  t.focus("Edit21");
  EXPECT_EQ(t.text("Edit151"), "85");
  EXPECT_EQ(t.itemIndex("ComboBox5"), kCustom);
  EXPECT_EQ(t.takeSolves(), 0);
}

// The send button hands the last Zdiff to the differential vias. The via
// insertion loss reads Edit386, so a solve after the write shows in it.
TEST(DifferentialPairsPage, SendToViaCalculatorHandsOverTheImpedanceAndSolves) {
  for (bool comma : {false, true}) {
    SCOPED_TRACE(comma ? "comma" : "point");
    TestProgram t(DecimalStart(comma));
    OpenCalculator(t, "ViaProperties1");
    t.selectRadio("RadioGroup5", 1);
    const std::string lossWithDefault = t.text("Edit13");
    OpenCalculator(t, kMenu);
    // 98.7654 with three decimals, by hand: 98.765.
    t.main().values.DifferentialImpedance = 98.7654;
    t.click("Button18");
    EXPECT_TRUE(t.showing("GroupBox1"));
    EXPECT_FALSE(t.showing("GroupBox8"));
    EXPECT_EQ(t.itemIndex("RadioGroup5"), 1);
    EXPECT_TRUE(t.showing("Edit386"));
    EXPECT_EQ(t.text("Edit386"), comma ? "98,765" : "98.765");
    const std::string loss = t.text("Edit13");
    EXPECT_NE(loss, lossWithDefault);
    t.pressEnter("Edit386");
    EXPECT_EQ(t.text("Edit13"), loss) << "the hand-over's own solve used the new impedance";
  }
}

}  // namespace
}  // namespace cq::test
