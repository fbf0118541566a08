// The XL-XC Reactance page as a user drives it: the defaults in both
// decimal forms, each unit radio's box and reading of the same number, and
// the errors at a zero or negative part. 2 pi is 6.28318 throughout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

struct Reactances {
  const char* xc;  // Edit273
  const char* xl;  // Edit274
  const char* f0;  // Edit275
};

void expectReactances(TestProgram& t, const Reactances& r, const std::string& where) {
  EXPECT_EQ(t.text("Edit273"), r.xc) << where;
  EXPECT_EQ(t.text("Edit274"), r.xl) << where;
  EXPECT_EQ(t.text("Edit275"), r.f0) << where;
}

// 1 MHz, 1 uF, 1 mH:
//   Xc = 1 / (6.28318 x 1e6 x 1e-6)  = 0.159155 ohm
//   Xl = 6.28318 x 1e6 x 1e-3        = 6283.18 ohm
//   f0 = 1 / (sqrt(1e-9) x 6.28318)  = 5032.925462 Hz
const Reactances kDefaults = {"0.1592 Ohms", "6283.1800 Ohms", "5032.9255 Hz"};

TEST(XlXcReactancePage, TheDefaultsInPointAndCommaMode) {
  {
    TestProgram t;
    OpenCalculator(t, "XlXcReactance1");
    expectReactances(t, kDefaults, "point");
    EXPECT_EQ(t.main().CurrentCalculator, 18);
    EXPECT_TRUE(t.showing("GroupBox48"));
    EXPECT_FALSE(t.enabled("RadioGroup6"));
    EXPECT_EQ(t.setting("Program"), "18");
  }
  TestProgram t(CommaStart());
  OpenCalculator(t, "XlXcReactance1");
  expectReactances(t, {"0,1592 Ohms", "6283,1800 Ohms", "5032,9255 Hz"}, "comma");
  // 2,5 MHz: Xc = 1 / (6.28318 x 2.5e6 x 1e-6) = 0.06366; Xl = 15707.95; f0 unchanged.
  Enter(t, "Edit270", "2,5");
  expectReactances(t, {"0,0637 Ohms", "15707,9500 Ohms", "5032,9255 Hz"}, "comma 2.5 MHz");
}

struct UnitCase {
  const char* radio;
  int item;
  const char* box;
  const char* boxText;
  int left;   // -1: the box keeps its place
  int width;
  Reactances results;
};

TEST(XlXcReactancePage, AUnitRadioLabelsItsBoxAndReadsTheSameNumberInTheNewUnit) {
  const std::vector<UnitCase> cases = {
      // 1 GHz: Xc = 1 / 6283.18 = 0.000159; Xl = 6283180.
      {"RadioGroup19", 0, "Edit278", "GHz", 124, 42, {"0.0002 Ohms", "6283180.0000 Ohms", "5032.9255 Hz"}},
      // 1 kHz: Xc = 1 / 0.00628318 = 159.1551; Xl = 6.28318.
      {"RadioGroup19", 2, "Edit278", "KHz", 127, 42, {"159.1551 Ohms", "6.2832 Ohms", "5032.9255 Hz"}},
      // 1 Hz: Xc = 159155.0775; Xl = 0.00628318; the resonance stays in hertz.
      {"RadioGroup19", 3, "Edit278", "Hz", 139, 28, {"159155.0775 Ohms", "0.0063 Ohms", "5032.9255 Hz"}},
      // 1 nF: Xc = 159.1551; f0 = 1 / (sqrt(1e-12) x 6.28318) = 159155.0775.
      {"RadioGroup17", 1, "Edit276", "nF", -1, 0, {"159.1551 Ohms", "6283.1800 Ohms", "159155.0775 Hz"}},
      // 1 pF: Xc = 159155.0775; f0 = 1 / (sqrt(1e-15) x 6.28318) = 5032925.4616.
      {"RadioGroup17", 2, "Edit276", "pF", -1, 0, {"159155.0775 Ohms", "6283.1800 Ohms", "5032925.4616 Hz"}},
      // 1 uH: Xl = 6.28318; f0 = 1 / (sqrt(1e-12) x 6.28318).
      {"RadioGroup18", 1, "Edit277", "uH", 139, 30, {"0.1592 Ohms", "6.2832 Ohms", "159155.0775 Hz"}},
      // 1 nH: Xl = 0.00628318; f0 = 1 / (sqrt(1e-15) x 6.28318).
      {"RadioGroup18", 2, "Edit277", "nH", 139, 30, {"0.1592 Ohms", "0.0063 Ohms", "5032925.4616 Hz"}},
  };
  for (const auto& c : cases) {
    const std::string where = std::string(c.radio) + " " + c.boxText;
    TestProgram t;
    OpenCalculator(t, "XlXcReactance1");
    const Bounds before = t.control(c.box).bounds();
    t.selectRadio(c.radio, c.item);
    EXPECT_EQ(t.takeSolves(), 1) << where;
    EXPECT_EQ(t.text(c.box), c.boxText) << where;
    const Bounds after = t.control(c.box).bounds();
    EXPECT_EQ(after.left, c.left < 0 ? before.left : c.left) << where;
    EXPECT_EQ(after.width, c.left < 0 ? before.width : c.width) << where;
    EXPECT_EQ(after.top, before.top) << where;
    for (const char* input : {"Edit270", "Edit271", "Edit272"}) EXPECT_EQ(t.text(input), "1") << where;
    expectReactances(t, c.results, where);
  }
}

TEST(XlXcReactancePage, TheFirstUnitsPutTheBoxesBackInPlace) {
  TestProgram t;
  OpenCalculator(t, "XlXcReactance1");
  t.selectRadio("RadioGroup19", 3);
  t.selectRadio("RadioGroup19", 1);
  EXPECT_EQ(t.text("Edit278"), "MHz");
  EXPECT_EQ(t.control("Edit278").bounds().left, 124);
  EXPECT_EQ(t.control("Edit278").bounds().width, 42);
  t.selectRadio("RadioGroup18", 2);
  t.selectRadio("RadioGroup18", 0);
  EXPECT_EQ(t.text("Edit277"), "mH");
  EXPECT_EQ(t.control("Edit277").bounds().left, 134);
  EXPECT_EQ(t.control("Edit277").bounds().width, 32);
  expectReactances(t, kDefaults, "back to MHz and mH");
}

struct FailureCase {
  std::vector<std::pair<const char*, const char*>> typed;
  std::vector<Message> messages;
  Reactances results;
};

TEST(XlXcReactancePage, ZeroPartsEndTheSolveWhereTheyDivide) {
  const std::vector<FailureCase> cases = {
      // A zero frequency or capacitance fails before Xc is written.
      {{{"Edit270", "0"}}, {ErrorBox("Floating point division by zero")}, kDefaults},
      {{{"Edit271", "0"}}, {ErrorBox("Floating point division by zero")}, kDefaults},
      // A zero inductance writes Xc (C = 2 uF: 0.0796) and Xl = 0, then fails at f0.
      {{{"Edit271", "2"}, {"Edit272", "0"}},
       {ErrorBox("Floating point division by zero")},
       {"0.0796 Ohms", "0.0000 Ohms", "5032.9255 Hz"}},
      // An inductance that is no number is read after Xc is written.
      {{{"Edit271", "2"}, {"Edit272", "1mH"}},
       {ErrorBox("'1mH' is not a valid floating point value")},
       {"0.0796 Ohms", "6283.1800 Ohms", "5032.9255 Hz"}},
      // A capacitance that is no number is read before Xc.
      {{{"Edit270", "2"}, {"Edit271", ""}}, {ErrorBox("'' is not a valid floating point value")}, kDefaults},
      // A negative C x L: the root reports, f0 prints as no number.
      {{{"Edit271", "-1"}},
       {MathErrorBox("sqrt: DOMAIN error")},
       {"-0.1592 Ohms", "6283.1800 Ohms", "+NAN Hz"}},
  };
  for (const auto& c : cases) {
    const std::string where = std::string(c.typed.back().first) + " " + c.typed.back().second;
    TestProgram t;
    OpenCalculator(t, "XlXcReactance1");
    for (const auto& [field, text] : c.typed) t.type(field, text);
    t.pressEnter(c.typed.back().first);
    EXPECT_EQ(TakeMessageTexts(t), c.messages) << where;
    expectReactances(t, c.results, where);
  }
}

}  // namespace
}  // namespace cq::test
