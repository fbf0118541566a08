// The Planar Inductors page as a user drives it: each shape in both unit
// systems, point and comma inputs, the inner-diameter notice and the errors.
// Expected texts worked with python3 (formula in the model test):
//   defaults 5 turns, w = s = 10 mils, dout = 350 mils: din 170 mils
//   (4318 um), rho 0.346154, L 248.5936 / 208.0525 / 209.3337 / 210.8410 nH.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

const char* const kInductances[] = {"248.5936", "208.0525", "209.3337", "210.8410"};
const char* const kPictures[] = {"Image13", "Image33", "Image34", "Image35"};

TEST(PlanarInductorsPage, ActivationStartsAtSquareWithTheDefaults) {
  TestProgram t;
  OpenCalculator(t, "PlanarInductors1");
  EXPECT_EQ(t.main().CurrentCalculator, 13);
  EXPECT_EQ(t.items("RadioGroup3"), (std::vector<std::string>{"Square", "Hexagonal", "Octagonal", "Circular"}));
  EXPECT_EQ(t.itemIndex("RadioGroup3"), 0);
  EXPECT_TRUE(t.showing("GroupBox20"));
  EXPECT_TRUE(t.showing("Image13"));
  ExpectTexts(t, {{"Edit94", "170.000"}, {"Edit93", "0.3462"}, {"Edit90", "248.5936"}, {"Edit101", "mils"},
                  {"Edit99", "nH"}, {"Label195", "Inductance"}});
  EXPECT_TRUE(t.takeMessages().empty());
}

TEST(PlanarInductorsPage, EachShapeInBothUnitSystems) {
  TestProgram t;
  OpenCalculator(t, "PlanarInductors1");
  for (int metric = 0; metric < 2; ++metric) {
    t.selectRadio("RadioGroup6", metric);
    for (int shape = 0; shape < 4; ++shape) {
      t.selectRadio("RadioGroup3", shape);
      for (int other = 0; other < 4; ++other)
        EXPECT_EQ(t.showing(kPictures[other]), other == shape) << shape << " " << kPictures[other];
      ExpectTexts(t, {{"Edit94", metric ? "4318.000" : "170.000"}, {"Edit93", "0.3462"},
                      {"Edit90", kInductances[shape]}});
    }
  }
  // The switch turned the lengths into micrometres (10 mils = 254 um).
  ExpectTexts(t, {{"Edit88", "5"}, {"Edit89", "254"}, {"Edit91", "254"}, {"Edit92", "8890"}, {"Edit96", "um"},
                  {"Edit101", "um"}});
  ToImperial(t);
  ExpectTexts(t, {{"Edit89", "10"}, {"Edit92", "350"}, {"Edit94", "170.000"}, {"Edit90", "210.8410"}});
  EXPECT_TRUE(t.takeMessages().empty());
}

TEST(PlanarInductorsPage, PointAndCommaInputsReadAlike) {
  // 2.5 turns, square: din = 350 - (2 x 1.5 x 10 + 2 x 2.5 x 10) = 270 mils,
  // rho = 80 / 620 = 0.1290, L = 106.7563 nH.
  // Metric, octagonal, n 5, w = s = 2.5 um, dout 300 um:
  // din = 300 - (20 + 25) = 255 um, rho = 45 / 555 = 0.0811, L = 15.2235 nH.
  for (const char* separator : {".", ","}) {
    StartOptions options;
    options.decimalSeparator = separator;
    TestProgram t(options);
    OpenCalculator(t, "PlanarInductors1");
    const bool comma = std::string(separator) == ",";
    for (const char* turns : {"2,5", "2.5"}) {
      Enter(t, "Edit88", turns);
      ExpectTexts(t, {{"Edit94", comma ? "270,000" : "270.000"}, {"Edit93", comma ? "0,1290" : "0.1290"},
                      {"Edit90", comma ? "106,7563" : "106.7563"}});
    }
    t.type("Edit88", "5");
    ToMetric(t);
    t.selectRadio("RadioGroup3", 2);
    EnterAll(t, {{"Edit89", "2,5"}, {"Edit91", "2.5"}, {"Edit92", "300"}});
    ExpectTexts(t, {{"Edit94", comma ? "255,000" : "255.000"}, {"Edit93", comma ? "0,0811" : "0.0811"},
                    {"Edit90", comma ? "15,2235" : "15.2235"}});
    EXPECT_TRUE(t.takeMessages().empty()) << separator;
  }
}

TEST(PlanarInductorsPage, TooManyTurnsNoticeButStillSolve) {
  // 10 turns: din = 350 - (180 + 200) = -30 mils, rho = 380 / 320 = 1.1875,
  // davg = 160 mils; square L = 100 x 4064 / 4.265625 x 0.00293904.
  const char* const expected[] = {"280.0119", "214.8244", "220.2011", "221.3876"};
  TestProgram t;
  OpenCalculator(t, "PlanarInductors1");
  for (int shape = 0; shape < 4; ++shape) {
    t.selectRadio("RadioGroup3", shape);
    Enter(t, "Edit88", "10");
    EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox("Inner diameter too small")}) << shape;
    ExpectTexts(t, {{"Edit94", "-30.000"}, {"Edit93", "1.1875"}, {"Edit90", expected[shape]}});
    Enter(t, "Edit88", "5");
  }
  // Exactly zero also counts as too small: 1 turn of 175 mils in 350.
  EnterAll(t, {{"Edit88", "1"}, {"Edit89", "175"}});
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox("Inner diameter too small")});
  ExpectTexts(t, {{"Edit94", "0.000"}, {"Edit93", "1.0000"}});
}

TEST(PlanarInductorsPage, ErrorsEndTheSolve) {
  struct Case {
    const char* field;
    const char* typed;
    std::vector<Message> messages;
  };
  const std::vector<Case> cases = {
      {"Edit88", "x", {ErrorBox("'x' is not a valid floating point value")}},
      {"Edit89", "1,2,5", {ErrorBox("'1,2,5' is not a valid floating point value")}},
      {"Edit91", "", {ErrorBox("'' is not a valid floating point value")}},
      {"Edit92", "1e", {ErrorBox("'1e' is not a valid floating point value")}},
  };
  for (const auto& c : cases) {
    TestProgram t;
    OpenCalculator(t, "PlanarInductors1");
    Enter(t, "Edit88", "3");  // din 250 mils, so stale outputs differ from the defaults
    const Texts before = {{"Edit94", "250.000"}, {"Edit93", "0.1667"}, {"Edit90", "138.2121"}};
    ExpectTexts(t, before);
    Enter(t, c.field, c.typed);
    EXPECT_EQ(t.takeMessages(), c.messages) << c.field;
    ExpectTexts(t, before);
  }
  // 1 turn of 10 mils in a 10-mil outline: din = -10, dout + din = 0. The
  // inner diameter is written before the fill factor's division fails.
  TestProgram t;
  OpenCalculator(t, "PlanarInductors1");
  EnterAll(t, {{"Edit88", "1"}, {"Edit92", "10"}});
  EXPECT_EQ(t.takeMessages(),
            (std::vector<Message>{InfoBox("Inner diameter too small"), ErrorBox("Floating point division by zero")}));
  ExpectTexts(t, {{"Edit94", "-10.000"}, {"Edit93", "0.3462"}, {"Edit90", "248.5936"}});
}

}  // namespace
}  // namespace cq::test
