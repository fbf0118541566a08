// The Fusing Current page as the user drives it. Expected texts are worked
// by hand from Onderdonk's equation (see fusing_current_model_test.cpp):
// with the installed settings T = 0.7 + 1.4 = 2.1 mils, etch 1:1, ambient
// 22 C, so the default width 10 gives (10 - 2.1) x 2.1 = 16.59 sq.mils,
// 16.59 x 1.2732 = 21.122388 circular mils and 0.14687447 x 21.122388
// = 3.1023 A.
#include <gtest/gtest.h>

#include <ostream>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

class FusingCurrent : public ::testing::Test {
 protected:
  explicit FusingCurrent(StartOptions options = {}) : p(options) {
    p.chooseMenu("FuseCurrent1");
    // The Program Options window open beside a main window that stays
    // usable, so that both take the user's clicks.
    p.form("Form6").show();
    p.takeMessages();
  }
  void solveWith(const std::string& field, const std::string& text) { Enter(p, field, text); }
  void expectResults(const std::string& area, const std::string& amps, const std::string& circular) {
    ExpectTexts(p, {{"Edit159", area}, {"Edit160", amps}, {"Label158", circular}});
  }
    
  TestProgram p;
};

TEST_F(FusingCurrent, ActivationSolvesTheDefaults) {
  expectResults("16.59 Sq.mils", "3.1023 Amps", "21.12 mils");
  ExpectTexts(p, {{"Label56", "2.10 mils"}, {"Label124", "Cross section in circular mils:"}, {"Label355", "1084.62°C"},
                  {"Label380", "1:1"}});
  EXPECT_TRUE(p.showing("Image74"));
  EXPECT_FALSE(p.showing("Image76"));
  EXPECT_FALSE(p.showing("Image75"));
  EXPECT_TRUE(p.messages().empty());
}

// A bad time or multiplier is corrected to "1" and the correction counts in
// the same solve, with one message per solve.
struct CorrectionCase {
  const char* name;
  const char* field;
  const char* typed;
  const char* message;  // nullptr: none
  const char* fieldAfter;
  const char* amps;
};

// Tests list the case by its name.
void PrintTo(const CorrectionCase& c, std::ostream* os) { *os << c.name; }

class FusingCorrections : public FusingCurrent, public ::testing::WithParamInterface<CorrectionCase> {};

TEST_P(FusingCorrections, FieldAndCurrentAfterOneSolve) {
  const CorrectionCase& c = GetParam();
  solveWith(c.field, c.typed);
  if (c.message) {
    EXPECT_EQ(p.takeMessages(), std::vector<Message>{InfoBox(c.message)});
  } else {
    EXPECT_TRUE(p.takeMessages().empty());
  }
  EXPECT_EQ(p.text(c.field), c.fieldAfter);
  // The cross-section rows do not depend on time or multiplier.
  expectResults("16.59 Sq.mils", c.amps, "21.12 mils");
}

constexpr const char* kTimeMessage = "Fuse time can't be less than or equal to 0";
constexpr const char* kMultiplierMessage = "Multiplier can't be less than 1";

INSTANTIATE_TEST_SUITE_P(
    Cases, FusingCorrections,
    ::testing::Values(CorrectionCase{"TimeZero", "Edit153", "0", kTimeMessage, "1", "3.1023 Amps"},
                      CorrectionCase{"TimeNegative", "Edit153", "-2", kTimeMessage, "1", "3.1023 Amps"},
                      // 3.1023 x sqrt(2) = 4.3874; no upper limit on the time.
                      CorrectionCase{"TimeHalfSecond", "Edit153", "0.5", nullptr, "0.5", "4.3874 Amps"},
                      CorrectionCase{"MultiplierBelowOne", "Edit337", "0.99", kMultiplierMessage, "1", "3.1023 Amps"},
                      CorrectionCase{"MultiplierTwo", "Edit337", "2", nullptr, "2", "6.2047 Amps"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(FusingCurrent, BothCorrectionsInOneSolveInTheirOrder) {
  EnterAll(p, {{"Edit153", "0"}, {"Edit337", "0.5"}});
  EXPECT_EQ(p.takeMessages(), (std::vector<Message>{InfoBox(kTimeMessage), InfoBox(kMultiplierMessage)}));
  ExpectTexts(p, {{"Edit153", "1"}, {"Edit337", "1"}, {"Edit160", "3.1023 Amps"}});
}

TEST_F(FusingCurrent, WidthBelowTheThicknessGivesNegativeResults) {
  // (1 - 2.1) x 2.1 = -2.31; x 1.2732 = -2.941092; x 0.14687447 = -0.43197.
  solveWith("Edit140", "1");
  expectResults("-2.31 Sq.mils", "-0.4320 Amps", "-2.94 mils");
  EXPECT_TRUE(p.messages().empty());
}

// Each etch factor, W = 10.12 and T = 2.1 (no exact decimal ties):
// 1:1 (10.12 - 2.1) x 2.1 = 16.842, x 1.2732 = 21.4432, I = 3.1495;
// 2:1 (10.12 - 1.05) x 2.1 = 19.047, x 1.2732 = 24.2506, I = 3.5618;
// None 10.12 x 2.1 = 21.252, x 1.2732 = 27.0580, I = 3.9741.
TEST_F(FusingCurrent, EtchFactorChoiceShowsAndSolvesAtOnce) {
  solveWith("Edit140", "10.12");
  struct Case {
    int item;
    const char *text, *picture, *area, *amps, *circular;
  };
  for (const Case& c : {Case{1, "2:1", "Image76", "19.05 Sq.mils", "3.5618 Amps", "24.25 mils"},
                        Case{2, "None", "Image75", "21.25 Sq.mils", "3.9741 Amps", "27.06 mils"},
                        Case{0, "1:1", "Image74", "16.84 Sq.mils", "3.1495 Amps", "21.44 mils"}}) {
    SCOPED_TRACE(c.item);
    p.selectRadio("Form6.RadioGroup2", c.item);
    EXPECT_EQ(p.text("Label380"), c.text);
    for (const char* picture : {"Image74", "Image76", "Image75"})
      EXPECT_EQ(p.showing(picture), std::string(picture) == c.picture) << picture;
    expectResults(c.area, c.amps, c.circular);
  }
}

TEST_F(FusingCurrent, ActivationRestoresTheEtchDisplayOfTheChosenFactor) {
  p.selectRadio("Form6.RadioGroup2", 1);
  // Another calculator, and a page display gone stale behind it.
  p.chooseMenu("ThermalManagement1");
  p.form().label("Label380").setCaption("");
  p.form().image("Image76").setVisible(false);
  p.chooseMenu("FuseCurrent1");
  EXPECT_EQ(p.text("Label380"), "2:1");
  EXPECT_TRUE(p.showing("Image76"));
  EXPECT_FALSE(p.showing("Image74"));
}

TEST_F(FusingCurrent, ManualCopperInMetric) {
  ToMetric(p);
  p.click("Form6.CheckBox1");
  p.type("Edit136", "18");
  p.type("Edit138", "35");
  // 0.254 mm: T = 0.018 + 0.035 = 0.053 mm; A = (0.254 - 0.053) x 0.053
  // = 0.010653 sq.mm = 16.512183 sq.mils (x 1550.0031); x 1.2732
  // = 21.0233 circular mils; x 0.14687447 = 3.0878 A.
  solveWith("Edit140", "0.254");
  EXPECT_EQ(p.text("Label56"), "  53 um");
  expectResults("0.0107 Sq.mm", "3.0878 Amps", "21.02 mils");
  p.takeMessages();
}

TEST_F(FusingCurrent, AmbientLimitsHoldTheTemperatureOfTheEquation) {
  // 200 C: sqrt(log10(884.62/434 + 1)/33) x 21.122388 = 2.5544;
  // -80 C: sqrt(log10(1164.62/154 + 1)/33) x 21.122388 = 3.5509.
  solveWith("Edit2", "201");
  EXPECT_EQ(p.takeMessages(), std::vector<Message>{InfoBox("Maximum ambient temperature can't be greater than 200C")});
  EXPECT_EQ(p.text("Edit160"), "2.5544 Amps");
  solveWith("Edit2", "-81");
  EXPECT_EQ(p.takeMessages(), std::vector<Message>{InfoBox("Minimum ambient temperature can't be less than -80C")});
  EXPECT_EQ(p.text("Edit160"), "3.5509 Amps");
}

TEST_F(FusingCurrent, TextThatIsNoNumberEndsTheSolveKeepingEarlierWrites) {
  solveWith("Edit140", "1");
  // The time is corrected before the multiplier fails to parse; the result
  // rows keep the texts of the last solve.
  p.type("Edit140", "10");
  p.type("Edit153", "0");
  solveWith("Edit337", "x");
  EXPECT_EQ(p.takeMessages(), (std::vector<Message>{InfoBox(kTimeMessage), ErrorBox("'x' is not a valid floating point value")}));
  EXPECT_EQ(p.text("Edit153"), "1");
  expectResults("-2.31 Sq.mils", "-0.4320 Amps", "-2.94 mils");

  p.click("Form6.CheckBox1");
  p.type("Edit337", "1");
  solveWith("Edit136", "abc");
  EXPECT_EQ(p.takeMessages(), std::vector<Message>{ErrorBox("'abc' is not a valid floating point value")});
}

class FusingCurrentComma : public FusingCurrent {
 protected:
  FusingCurrentComma() : FusingCurrent(CommaStart()) {}
};

TEST_F(FusingCurrentComma, ComputedTextsCarryTheComma) {
  expectResults("16,59 Sq.mils", "3,1023 Amps", "21,12 mils");
  EXPECT_EQ(p.text("Label56"), "2,10 mils");
  EXPECT_EQ(p.text("Label355"), "1084,62°C");
  solveWith("Edit153", "0,5");
  EXPECT_EQ(p.text("Edit160"), "4,3874 Amps");
}

}  // namespace
}  // namespace cq::test
