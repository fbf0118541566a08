// The Conversion Calculator as a user drives it: every converter in both
// unit systems and decimal forms, the swap boxes, "Send", and the errors
// that end a solve part-way. Expected texts worked with python3 using the
// page's constants (pi 3.14159, 0.55555555555 for 5/9).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

TEST(ConversionPage, ImperialDefaults) {
  TestProgram t;
  OpenCalculator(t, "ConversionData1");
  // 10 mils x 0.0254 = 0.254 mm; (72 - 32) x 0.55555555555 = 22.2222;
  // 10^(1/20) = 1.12202; 0 dBm + 1 dB; 50 + j0 is 50 at 0; 1 x 0.0174533 rad.
  ExpectTexts(t, {{"Edit81", "0.2540"},   {"Edit142", "0.0100"},  {"Edit143", "254.0000"}, {"Edit84", "22.22"},
                  {"Edit166", "1.1220"},  {"Edit175", "1.0000"},  {"Edit177", "1.1220"},   {"Edit217", "50.0000"},
                  {"Edit218", "0.0000"},  {"Edit220", "0.0175"}});
  EXPECT_TRUE(t.takeMessages().empty());
}

TEST(ConversionPage, MetricReadsMillimetresAndCelsius) {
  TestProgram t;
  OpenCalculator(t, "ConversionData1", true);
  // The switch rewrites 10 mils as 0.254 mm and keeps 72, now read in degC:
  // 72 x 1.8 + 32 = 161.6. dBm out in its shortest form.
  ExpectTexts(t, {{"Edit80", "0.254"},   {"Edit85", "72"},       {"Edit81", "10.00"},  {"Edit84", "161.60"},
                  {"Edit142", "254.0000"}, {"Edit143", "0.0100"}, {"Edit175", "1"},     {"Edit166", "1.1220"},
                  {"Edit177", "1.1220"}, {"Edit82", "mm"},       {"Edit83", "mils"}});
  Enter(t, "Edit85", "100");
  EXPECT_EQ(t.text("Edit84"), "212.00");
  // 0 dBm + 2.5 dB = 2.5 (Metric) against 2.5000 (Imperial).
  Enter(t, "Edit167", "2.5");
  EXPECT_EQ(t.text("Edit175"), "2.5");
  ToImperial(t);
  EXPECT_EQ(t.text("Edit80"), "10");
  EXPECT_EQ(t.text("Edit175"), "2.5000");
  // 100 now read in degF: 68 x 0.55555555555 = 37.78.
  EXPECT_EQ(t.text("Edit84"), "37.78");
}

TEST(ConversionPage, GainLevels) {
  TestProgram t;
  OpenCalculator(t, "ConversionData1");
  EnterAll(t, {{"Edit174", "2"}, {"Edit176", "2.5"}, {"Edit167", "6"}});
  // 10^(6/20) = 1.99526; 2 + 6 dBm; 2.5 x 1.99526 = 4.98816 V.
  ExpectTexts(t, {{"Edit166", "1.9953"}, {"Edit175", "8.0000"}, {"Edit177", "4.9882"}});
}

struct ComplexCase {
  const char* real;
  const char* imaginary;
  const char* magnitude;
  const char* degrees;
};

TEST(ConversionPage, RectangularToPolarKeepsTheQuadrant) {
  // atan2(j, re) x 57.295827908797776 (python3); a point on the j axis is
  // at +-90 (90.00008 with pi 3.14159) rather than a division error.
  const std::vector<ComplexCase> cases = {
      {"3", "4", "5.0000", "53.1301"},   {"-3", "4", "5.0000", "126.8700"}, {"-3", "-4", "5.0000", "-126.8700"},
      {"-1", "1", "1.4142", "135.0001"}, {"0", "5", "5.0000", "90.0001"},   {"0", "-5", "5.0000", "-90.0001"},
      {"0", "0", "0.0000", "0.0000"},
  };
  TestProgram t;
  OpenCalculator(t, "ConversionData1");
  for (const auto& c : cases) {
    EnterAll(t, {{"Edit215", c.real}, {"Edit216", c.imaginary}});
    EXPECT_EQ(t.text("Edit217"), c.magnitude) << c.real << " " << c.imaginary;
    EXPECT_EQ(t.text("Edit218"), c.degrees) << c.real << " " << c.imaginary;
    // The angle converter after it still solves.
    EXPECT_EQ(t.text("Edit220"), "0.0175") << c.real << " " << c.imaginary;
  }
  EXPECT_TRUE(t.takeMessages().empty());
}

TEST(ConversionPage, SwapTurnsTheComplexConverterToPolarInput) {
  TestProgram t;
  OpenCalculator(t, "ConversionData1");
  t.type("Edit215", "10");
  t.type("Edit216", "90");
  t.click("CheckBox3");
  EXPECT_EQ(t.takeSolves(), 1);
  ExpectTexts(t, {{"GroupBox21", " Polar to Rectangular Conversion "}, {"Label178", "Magnitude"},
                  {"Label179", "Angle (Degrees)"}, {"Label180", "Real Value"}, {"Label181", "j Value"}});
  EXPECT_EQ(t.form().control("Edit216").hint(), "Enter the angle, in degrees, to be converted.");
  EXPECT_EQ(t.form().control("Edit218").hint(), "Converted j value in rectangular form.");
  // cos(90 x 0.0174532778) x 10 = 1.3e-5; sin(...) x 10 = 10.
  ExpectTexts(t, {{"Edit217", "0.0000"}, {"Edit218", "10.0000"}});
  // 2 at 30 degrees: 1.73205, 1.
  EnterAll(t, {{"Edit215", "2"}, {"Edit216", "30"}});
  ExpectTexts(t, {{"Edit217", "1.7321"}, {"Edit218", "1.0000"}});

  t.click("CheckBox3");
  ExpectTexts(t, {{"GroupBox21", " Rectangular to Polar Conversion "}, {"Label178", "Real Value"},
                  {"Label179", "j Value"}, {"Label180", "Magnitude"}, {"Label181", "Angle (Degrees)"}});
  EXPECT_EQ(t.form().control("Edit216").hint(), "Enter the j vlaue of the complex number.");
  // The same texts read as (2, 30): sqrt(904) = 30.0666, atan2(30, 2) = 86.1860.
  ExpectTexts(t, {{"Edit217", "30.0666"}, {"Edit218", "86.1860"}});
}

TEST(ConversionPage, SwapTurnsTheAngleConverterToRadians) {
  TestProgram t;
  OpenCalculator(t, "ConversionData1");
  t.click("CheckBox2");
  EXPECT_EQ(t.takeSolves(), 1);
  ExpectTexts(t, {{"Label184", "Radians"}, {"Label185", "Degrees"}, {"Edit220", "57.2958"}});
  EXPECT_EQ(t.form().control("Edit219").hint(), "Enter the radian value to be converted to degrees.");
  EXPECT_EQ(t.form().control("Edit220").hint(), "Converted angle in degrees from radians.");
  t.click("CheckBox2");
  ExpectTexts(t, {{"Label184", "Degrees"}, {"Label185", "Radians"}, {"Edit220", "0.0175"}});
  EXPECT_EQ(t.form().control("Edit219").hint(), "Enter the degrees value to be converted to radians.");
}

TEST(ConversionPage, SendHandsThePolarAngleToTheAngleConverter) {
  TestProgram t;
  OpenCalculator(t, "ConversionData1");
  EnterAll(t, {{"Edit215", "3"}, {"Edit216", "4"}});
  t.takeSolves();
  // The printed angle 53.1301 x 0.0174532778 = 0.92729 rad.
  t.click("BitBtn4");
  ExpectTexts(t, {{"Edit219", "53.1301"}, {"Edit220", "0.9273"}});
  EXPECT_EQ(t.takeSolves(), 1);

  // In polar mode the angle typed is sent in its shortest form:
  // 30 x 0.0174532778 = 0.5236.
  t.click("CheckBox3");
  EnterAll(t, {{"Edit215", "2"}, {"Edit216", "30.50"}});
  t.click("CheckBox2");  // radians mode: Send switches it back first
  t.takeSolves();
  t.click("BitBtn4");
  EXPECT_EQ(t.takeSolves(), 2);
  EXPECT_FALSE(t.form().checkBox("CheckBox2").checked());
  // 30.5 x 0.0174532778 = 0.53232
  ExpectTexts(t, {{"Edit219", "30.5"}, {"Label184", "Degrees"}, {"Edit220", "0.5323"}});
}

TEST(ConversionPage, DecimalCommaResults) {
  TestProgram t(CommaStart());
  OpenCalculator(t, "ConversionData1");
  ExpectTexts(t, {{"Edit81", "0,2540"}, {"Edit143", "254,0000"}, {"Edit84", "22,22"}, {"Edit166", "1,1220"},
                  {"Edit175", "1,0000"}, {"Edit217", "50,0000"}, {"Edit220", "0,0175"}});
  EnterAll(t, {{"Edit215", "3"}, {"Edit216", "4"}});
  t.click("BitBtn4");
  // The comma text goes over and reads back with the locale's separator.
  ExpectTexts(t, {{"Edit219", "53,1301"}, {"Edit220", "0,9273"}});
  ToMetric(t);
  Enter(t, "Edit167", "2,5");
  ExpectTexts(t, {{"Edit80", "0,254"}, {"Edit81", "10,00"}, {"Edit175", "2,5"}, {"Edit166", "1,3335"}});
  EXPECT_TRUE(t.takeMessages().empty());
}

TEST(ConversionPage, ABadInputEndsTheSolveAndKeepsLaterTexts) {
  TestProgram t;
  OpenCalculator(t, "ConversionData1");
  EnterAll(t, {{"Edit80", "20"}, {"Edit167", "abc"}});
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{ErrorBox("'abc' is not a valid floating point value")});
  // Written before the gain: 20 mils = 0.508 mm; after it: as before.
  ExpectTexts(t, {{"Edit81", "0.5080"}, {"Edit166", "1.1220"}, {"Edit220", "0.0175"}});

  EnterAll(t, {{"Edit167", "1"}, {"Edit176", ""}});
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{ErrorBox("'' is not a valid floating point value")});
}

TEST(ConversionPage, EmptyDistanceAndTemperatureReadAsZero) {
  TestProgram t;
  OpenCalculator(t, "ConversionData1");
  EnterAll(t, {{"Edit80", ""}, {"Edit85", ""}});
  EXPECT_TRUE(t.takeMessages().empty());
  // 0 mils; (0 - 32) x 0.55555555555 = -17.78.
  ExpectTexts(t, {{"Edit80", "0"}, {"Edit85", "0"}, {"Edit81", "0.0000"}, {"Edit84", "-17.78"}});
}

TEST(ConversionPage, AnOverflowingGainIsReportedAndPrintedInfinite) {
  TestProgram t;
  OpenCalculator(t, "ConversionData1");
  Enter(t, "Edit167", "10000");
  EXPECT_EQ(TakeMessageTexts(t), std::vector<Message>{MathErrorBox("pow: OVERFLOW error")});
  ExpectTexts(t, {{"Edit166", "+INF"}, {"Edit175", "10000.0000"}, {"Edit177", "+INF"}, {"Edit220", "0.0175"}});
}

TEST(ConversionPage, ReferenceButtonsSitInTheChartsGroup) {
  TestProgram t;
  for (const char* button : {"Button6", "Button12", "Button13", "Button14", "Button19"})
    EXPECT_EQ(t.form().control(button).parent()->name(), "GroupBox17") << button;
}

}  // namespace
}  // namespace cq::test
