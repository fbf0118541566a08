// The "Stripline Asym" structure of Conductor Impedance: the three
// formulas, the modes, the equal-heights note, the H2 check, the narrow
// mode's domain error and the formula radio.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/tline/impedance/structure_steps.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

struct AsymCase {
  const char *w, *h1, *h2;
  int formula;
  const char* mode;  // nullptr: the mode text is hidden
  const char *zo, *co, *lo;
  bool note;
};

// Worked examples, Imperial, Er 4.6, base copper 0.5oz (0.7 mils); Tpd is
// 181.7685 ps/in throughout.
TEST(AsymStriplineBlock, WorkedExamplesForEachFormula) {
  const AsymCase cases[] = {
      {"5", "10", "8", 0, "Narrow calculation mode", "56.467 Ohms", "3.2190 pF/in", "10.2640 nH/in", false},
      {"8", "10", "10", 0, "Wide calculation mode", "53.075 Ohms", "3.4247 pF/in", "9.6474 nH/in", true},
      {"5", "10", "8", 1, nullptr, "54.382 Ohms", "3.3424 pF/in", "9.8849 nH/in", false},
      {"5", "10", "8", 2, nullptr, "53.813 Ohms", "3.3778 pF/in", "9.7816 nH/in", false},
  };
  for (bool comma : {false, true})
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.w) + "/" + c.h1 + "/" + c.h2 + " formula " + std::to_string(c.formula) +
                   (comma ? " comma" : ""));
      TestProgram t(DecimalStart(comma));
      OpenStructure(t, kStriplineAsym);
      t.selectRadio("RadioGroup24", c.formula);
      EnterAll(t, {{"Edit67", c.w}, {"Edit68", c.h1}, {"Edit74", c.h2}});
      ExpectTexts(t, InDecimalForm(LineResults(c.zo, "181.7685 ps/in", c.co, c.lo, {{"Label56", "0.70 mils"}}), comma));
      EXPECT_EQ(t.showing("Label116"), c.mode != nullptr);
      if (c.mode) {
        EXPECT_EQ(t.text("Label116"), c.mode);
      }
      EXPECT_EQ(t.showing("Label188"), c.note);
      EXPECT_EQ(t.showing("Label191"), c.note);
      EXPECT_TRUE(t.takeMessages().empty());
    }
}

// Converted defaults: the model sees 5, 10, 8 and 0.70866 mils.
TEST(AsymStriplineBlock, MetricWorkedExample) {
  for (bool comma : {false, true}) {
    TestProgram t(DecimalStart(comma));
    OpenStructure(t, kStriplineAsym, true);
    ExpectTexts(t, InDecimalForm(LineResults("56.420 Ohms", "71.5624 ps/cm", "1.2684 pF/cm", "4.0375 nH/cm",
                                             {{"Edit68", "0.254"}, {"Edit74", "0.2032"}, {"Label56", " 18 um"}}),
                                 comma));
  }
}

// W / (H1 + H2) = 0.35 exactly is wide (7 / 20).
TEST(AsymStriplineBlock, TheModeBoundaryIsWide) {
  TestProgram t;
  OpenStructure(t, kStriplineAsym);
  EnterAll(t, {{"Edit67", "6.99"}, {"Edit68", "10"}, {"Edit74", "10"}});
  EXPECT_EQ(t.text("Label116"), "Narrow calculation mode");
  Enter(t, "Edit67", "7");
  EXPECT_EQ(t.text("Label116"), "Wide calculation mode");
}

// A refused H2 is corrected and this same solve uses the correction
// (python3: W 5, H1 10, H2 1 mil, T 0.7 -> 20.080 Ohms, 9.0521 pF/in,
// 3.6500 nH/in; Metric H2 0.0254 mm -> 20.075 Ohms).
TEST(AsymStriplineBlock, ARefusedH2CountsInTheSameSolve) {
  struct H2Case {
    bool metric, comma;
    const char *typed, *corrected, *zo;
  };
  const H2Case cases[] = {
      {false, false, "0", "1", "20.080 Ohms"},
      {false, true, "-4", "1", "20,080 Ohms"},
      {true, false, "0", "0.0254", "20.075 Ohms"},
      {true, true, "-0,1", "0,0254", "20,075 Ohms"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + (c.metric ? " metric" : "") + (c.comma ? " comma" : ""));
    TestProgram t(DecimalStart(c.comma));
    OpenStructure(t, kStriplineAsym, c.metric);
    Enter(t, "Edit74", c.typed);
    EXPECT_EQ(t.takeMessages(),
              (std::vector<Message>{InfoBox("Conductor height cannot be less than or equal to zero.")}));
    EXPECT_EQ(t.takeSolves(), 1);
    EXPECT_EQ(t.text("Edit74"), c.corrected);
    EXPECT_EQ(t.text("Edit70"), c.zo);
  }
  TestProgram t;
  OpenStructure(t, kStriplineAsym);
  Enter(t, "Edit74", "0");
  EXPECT_EQ(t.text("Edit76"), "9.0521 pF/in");
  EXPECT_EQ(t.text("Edit73"), "3.6500 nH/in");
}

// Zero base copper and W = T take the limits of the wide fringing term:
// python3 gives 52.234 Ohms at T 0 (52.234 at 1e-6) and 41.634 at W = T = 8
// (41.634 at T 7.999999).
TEST(AsymStriplineBlock, WideModeZeroCopperAndWEqualToTAreFinite) {
  struct Limit {
    const char *base, *w, *zo;
  };
  const Limit cases[] = {{"0", "8", "52.234 Ohms"},
                         {"0.000001", "8", "52.234 Ohms"},
                         {"8", "8", "41.634 Ohms"},
                         {"7.999999", "8", "41.634 Ohms"}};
  for (const auto& c : cases) {
    TestProgram t;
    OpenStructure(t, kStriplineAsym);
    t.form("Form6").show();
    t.click("Form6.CheckBox1");
    t.takeMessages();
    EnterAll(t, {{"Edit136", c.base}, {"Edit68", "10"}, {"Edit74", "10"}, {"Edit67", c.w}});
    EXPECT_TRUE(t.takeMessages().empty()) << c.base;
    EXPECT_EQ(t.text("Edit70"), c.zo) << c.base;
  }
}

// A narrow conductor close to one plane (X = 0.87) has no answer: the
// square root's box, then the invalid operation ends the solve; the results
// keep the last solve's texts, the mode text and note are already written.
TEST(AsymStriplineBlock, NarrowModeTooCloseToAPlaneEndsTheSolve) {
  TestProgram t;
  OpenStructure(t, kStriplineAsym);
  const std::string zo = t.text("Edit70");
  EnterAll(t, {{"Edit67", "5"}, {"Edit68", "1"}, {"Edit74", "20"}});
  EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{Message::Kind::MathError, "sqrt: DOMAIN error", "cirquet"},
                                                    ErrorBox("Invalid floating point operation")}));
  EXPECT_EQ(t.text("Edit70"), zo);
  EXPECT_EQ(t.text("Label116"), "Narrow calculation mode");
}

TEST(AsymStriplineBlock, TheFormulaRadioShowsTheModeForDefaultOnlyAndSolves) {
  TestProgram t;
  OpenStructure(t, kStriplineAsym);
  EXPECT_TRUE(t.showing("RadioGroup24"));
  t.selectRadio("RadioGroup24", 1);
  EXPECT_FALSE(t.showing("Label116"));
  EXPECT_EQ(t.takeSolves(), 1);
  EXPECT_EQ(t.text("Edit70"), "54.382 Ohms");
  t.selectRadio("RadioGroup24", 0);
  EXPECT_TRUE(t.showing("Label116"));
  EXPECT_EQ(t.text("Edit70"), "56.467 Ohms");
}

// Coming back to the structure with a published formula chosen shows no
// mode text: the one left there belongs to an earlier default solve.
TEST(AsymStriplineBlock, ReturningWithAPublishedFormulaKeepsTheModeHidden) {
  TestProgram t;
  OpenStructure(t, kStriplineAsym);
  t.selectRadio("RadioGroup24", 2);
  t.selectRadio("RadioGroup3", 2);
  t.selectRadio("RadioGroup3", kStriplineAsym);
  EXPECT_TRUE(t.showing("RadioGroup24"));
  EXPECT_FALSE(t.showing("Label116"));
  EXPECT_EQ(t.text("Edit70"), "53.813 Ohms");
  t.selectRadio("RadioGroup24", 0);
  t.selectRadio("RadioGroup3", 2);
  t.selectRadio("RadioGroup3", kStriplineAsym);
  EXPECT_TRUE(t.showing("Label116"));
}

}  // namespace
}  // namespace cq::test
