// The Embedded Resistors page as a user drives it: the rectangular and
// annular types in both unit systems and decimal forms, the type radio's
// layout, and the errors. Expected texts worked with python3.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

TEST(EmbeddedResistorsPage, BothRectangularTypesShareTheFormulas) {
  TestProgram t;
  OpenCalculator(t, "EmbeddedRs1");
  // 100 x 50 mils at 25 ohm/sq: 5000 sq.mils, 2 squares = 50 ohm.
  ExpectTexts(t, {{"Edit161", "5000.00 Sq.mils"}, {"Edit163", "50.000 Ohms"}, {"Label248", "Material overlap area"}});
  EXPECT_TRUE(t.showing("Image25"));
  EXPECT_FALSE(t.showing("Edit162"));

  t.selectRadio("RadioGroup11", 1);
  EXPECT_EQ(t.takeSolves(), 1);
  ExpectTexts(t, {{"Edit161", "5000.00 Sq.mils"}, {"Edit163", "50.000 Ohms"}, {"Label248", "Soldermask overlap area"}});
  EXPECT_TRUE(t.showing("Image26"));
  EXPECT_FALSE(t.showing("Image25"));
  EXPECT_TRUE(t.showing("Shape4"));
}

TEST(EmbeddedResistorsPage, MetricRectangular) {
  TestProgram t;
  OpenCalculator(t, "EmbeddedRs1", true);
  // The switch gives 2.54 mm, 1.27 mm and 25 / 645.16 = 0.03875 ohm/sq.mm:
  // 5000 sq.mils / 1550 = 3.226 sq.mm; 2 x 0.03875 x 645.16 = 49.9999 ohm.
  ExpectTexts(t, {{"Edit157", "2.54"}, {"Edit158", "1.27"}, {"Edit154", "0.03875"}, {"Edit161", "3.226 Sq.mm"},
                  {"Edit163", "50.000 Ohms"}, {"Edit165", "mm"}});
  // 5 x 1 mm at 0.1 ohm per sq.mm, held as 0.1 x 645.16 = 64.516 per
  // sq.in: 5 squares x 64.516 = 322.58 ohm;
  // (5 / 25.4) x (1 / 25.4) x 1e6 / 1550 = 5.0000 sq.mm.
  EnterAll(t, {{"Edit157", "5"}, {"Edit158", "1"}, {"Edit154", "0.1"}});
  ExpectTexts(t, {{"Edit161", "5.000 Sq.mm"}, {"Edit163", "322.580 Ohms"}});
}

TEST(EmbeddedResistorsPage, TheAnnularTypeLaysOutTheRingAndSolvesIt) {
  TestProgram t;
  OpenCalculator(t, "EmbeddedRs1");
  t.selectRadio("RadioGroup11", 2);
  EXPECT_EQ(t.takeSolves(), 1);
  ExpectTexts(t, {{"Edit157", "20"}, {"Edit158", "10"}, {"Edit165", "Ohms"}, {"Label251", "Inside Diameter"},
                  {"Label252", "Target Resistance"}, {"Label255", "Outer Diameter"},
                  {"Label254", "Resistor Thickness"}});
  EXPECT_EQ(t.form().control("Edit165").bounds().left, 124);
  EXPECT_EQ(t.form().control("Edit165").bounds().width, 53);
  EXPECT_EQ(t.form().control("Shape5").bounds().top, 64);
  EXPECT_EQ(t.form().control("Label249").bounds().top, 72);
  EXPECT_EQ(t.form().control("Edit158").hint(), "Enter the target resistor value in ohms.");
  EXPECT_TRUE(t.showing("Image27"));
  EXPECT_TRUE(t.showing("Edit162"));
  EXPECT_FALSE(t.showing("Shape4"));
  EXPECT_FALSE(t.showing("Label248"));
  // Dout = exp(10 / 25 x 6.28318) x 20 = 246.9052 mils; the ring is
  // (246.9052 - 20) / 2 = 113.4526 wide and 3.14159 / 4 x (246.9052^2 - 20^2)
  // = 47565.37 sq.mils.
  ExpectTexts(t, {{"Edit163", "246.91 mils"}, {"Edit162", "113.45 mils"}, {"Edit161", "47565.37 Sq.mils"}});

  // Back to a rectangle: the ring's numbers stay as inputs.
  t.selectRadio("RadioGroup11", 0);
  ExpectTexts(t, {{"Edit157", "20"}, {"Edit158", "10"}, {"Edit165", "mils"}, {"Label251", "Length (L)"},
                  {"Label252", "Width (W)"}, {"Label255", "Ohms"}, {"Label254", "Power"},
                  {"Label248", "Material overlap area"}});
  EXPECT_EQ(t.form().control("Edit165").bounds().left, 140);
  EXPECT_EQ(t.form().control("Shape5").bounds().top, 96);
  EXPECT_EQ(t.form().control("Edit158").hint(), "Enter the width of the resistive material.");
  EXPECT_FALSE(t.showing("Edit162"));
  // 20 x 10 mils at 25: 200 sq.mils, 50 ohm.
  ExpectTexts(t, {{"Edit161", "200.00 Sq.mils"}, {"Edit163", "50.000 Ohms"}});
}

TEST(EmbeddedResistorsPage, MetricAnnularKeepsTheTargetResistance) {
  TestProgram t;
  OpenCalculator(t, "EmbeddedRs1");
  t.selectRadio("RadioGroup11", 2);
  ToMetric(t);
  // 20 mils = 0.508 mm, 25 ohm/sq.in = 0.03875 ohm/sq.mm, 10 ohm as it was.
  // Dout = exp(10 / 24.99995 x 6.28318) x 0.508 = 6.2714 mm; ring
  // (6.2714 - 0.508) / 2 = 2.8817 mm; 3.14159 / 4 x (6.2714^2 - 0.508^2)
  // = 30.6876 sq.mm.
  ExpectTexts(t, {{"Edit157", "0.508"}, {"Edit154", "0.03875"}, {"Edit158", "10"}, {"Edit165", "Ohms"},
                  {"Edit164", "mm"}, {"Edit163", "6.2714 mm"}, {"Edit162", "2.8817 mm"},
                  {"Edit161", "30.6876 Sq.mm"}});
  // Choosing the ring again writes its example in either unit system.
  t.selectRadio("RadioGroup11", 1);
  t.selectRadio("RadioGroup11", 2);
  ExpectTexts(t, {{"Edit157", "20"}, {"Edit158", "10"}});
}

TEST(EmbeddedResistorsPage, DecimalCommaResults) {
  TestProgram t(CommaStart());
  OpenCalculator(t, "EmbeddedRs1");
  ExpectTexts(t, {{"Edit161", "5000,00 Sq.mils"}, {"Edit163", "50,000 Ohms"}});
  t.selectRadio("RadioGroup11", 2);
  ExpectTexts(t, {{"Edit163", "246,91 mils"}, {"Edit162", "113,45 mils"}, {"Edit161", "47565,37 Sq.mils"}});
  ToMetric(t);
  ExpectTexts(t, {{"Edit157", "0,508"}, {"Edit163", "6,2714 mm"}, {"Edit161", "30,6876 Sq.mm"}});
}

TEST(EmbeddedResistorsPage, ZeroDivisorsEndTheSolveBeforeAnyResult) {
  struct Case {
    int type;
    const char* field;
    const char* typed;
    const char* message;
  };
  const std::vector<Case> cases = {
      {0, "Edit158", "0", "Floating point division by zero"},
      {1, "Edit158", "0", "Floating point division by zero"},
      {2, "Edit154", "0", "Floating point division by zero"},
      {0, "Edit157", "x", "'x' is not a valid floating point value"},
  };
  for (const auto& c : cases) {
    TestProgram t;
    OpenCalculator(t, "EmbeddedRs1");
    t.selectRadio("RadioGroup11", c.type);
    t.takeMessages();
    const std::string area = t.text("Edit161");
    const std::string result = t.text("Edit163");
    Enter(t, c.field, c.typed);
    EXPECT_EQ(t.takeMessages(), std::vector<Message>{ErrorBox(c.message)}) << c.type << " " << c.field;
    EXPECT_EQ(t.text("Edit161"), area) << c.type << " " << c.field;
    EXPECT_EQ(t.text("Edit163"), result) << c.type << " " << c.field;
  }
  // Length and width both 0: 0 / 0.
  TestProgram t;
  OpenCalculator(t, "EmbeddedRs1");
  EnterAll(t, {{"Edit157", "0"}, {"Edit158", "0"}});
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{ErrorBox("Invalid floating point operation")});
}

TEST(EmbeddedResistorsPage, AnOverflowingRingReadsInfinite) {
  TestProgram t;
  OpenCalculator(t, "EmbeddedRs1");
  t.selectRadio("RadioGroup11", 2);
  t.takeMessages();
  // exp(10000 / 25 x 6.28318) = exp(2513.27) is beyond a double.
  Enter(t, "Edit158", "10000");
  EXPECT_EQ(TakeMessageTexts(t), std::vector<Message>{MathErrorBox("exp: OVERFLOW error")});
  ExpectTexts(t, {{"Edit163", "+INF mils"}, {"Edit162", "+INF mils"}, {"Edit161", "+INF Sq.mils"}});
}

}  // namespace
}  // namespace cq::test
