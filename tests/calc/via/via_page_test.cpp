// The Via Properties page as the user drives it, single-via layout. The
// expected texts are worked by hand with python3 from the formulas below;
// the installed settings give a rise of 20 C over 22 C ambient (Tc 42 C),
// FR-4 (Er 4.6, substrate factor 0.98), IPC-2152 with modifiers, and the
// aspect-ratio limits 10 (through hole) and 1 (microvia).
//
// Imperial Multi Layer defaults: d 10, D1 20, D2 40, h 62, t 1 mil, 10 vias.
//   A   = 3.14159/4 x (12^2 - 10^2) = 34.557 sq.mils           -> "34.56 Sq.mils"
//   mod = 3.0364 x 34.557^-0.145 (dT <= 20), board 0.95 (60 <= h < 70)
//   I   = 20^0.44 x 0.024 x 34.557^0.725 x mod x 0.95 x 0.98    -> "1.9785 Amps"
//   C   = 1.41 x 4.6 x 0.062 x 0.02 / (0.04 - 0.02) = 0.4021 pF
//   L   = 5.08 x 0.062 x (ln(4 x 0.062 / 0.01) + 1) = 1.3262 nH
//   f   = 1 / (sqrt(L 1e-9 x C 1e-12) x 6.28318) / 1e6          -> "6891.661 MHz"
//   Z   = sqrt(L / (C x 0.001)) = 57.429, T = 2.2 x C x Z / 2 = 25.4032 ps
//   rho = 0.000732 x (1 + 0.00393 x 22), R = rho x 62 / A        -> "0.00153 Ohms"
//   P   = I^2 R = 0.00599 W = 7.7739 dBm; theta = 1000 x 62 / (10.008 x A) = 179.3
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

#include "calc/via/via_page_start.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

class ViaPage : public ViaProgram {
 public:
  explicit ViaPage(const ViaStart& s = {}) : ViaProgram(s, 0) {}
  TextsByName results() {
    return TextsOf(t, {"Edit8", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit42", "Edit49", "Edit50",
                       "Label56", "Label110", "Label285", "Label72", "Label350"});
  }
};

using Results = TextsByName;

const Results kImperialDefaults = {
    {"Edit8", "34.56 Sq.mils"}, {"Edit10", "1.9785 Amps"},  {"Edit11", "0.4021 pF"},
    {"Edit12", "1.3262 nH"},    {"Edit13", "25.4032 ps"},   {"Edit14", "6891.661 MHz"},
    {"Edit42", "57.429 Ohms"},  {"Edit49", "0.00153 Ohms"}, {"Edit50", "0.00599 Watts"},
    {"Label56", "7.7739 dBm"},  {"Label110", "179.3 °C/W"}, {"Label285", "17.9 °C/W per via"},
    {"Label72", "3.0273 mV"},   {"Label350", "6.20:1"},
};

TEST(ViaPage, ImperialDefaults) {
  ViaPage p;
  EXPECT_EQ(p.results(), kImperialDefaults);
  EXPECT_EQ(p.t.text("Label187"), "IPC-2152 with modifiers mode");
  EXPECT_EQ(p.t.fontColor("Label350"), colors::Black);
  EXPECT_FALSE(p.t.showing("Label402"));
  EXPECT_TRUE(p.t.messages().empty());
}

// Metric: d 0.254, D1 0.508, D2 1.016, h 1.575, t 0.0254 mm. The area is
// taken x 1550 for the power laws, so the current and ratio match Imperial;
// h = 1.575 mm is 62.008 mils, which moves L, C and what follows them in
// the last digits (python3: C 0.4022, L 1.3265, f 6890.682, T 25.4069).
// R = 0.02882 x 1.08646 x 1.575 / (0.022295 x 1550) = 0.00153 ohm.
TEST(ViaPage, MetricDefaults) {
  ViaPage p({.metric = true});
  ExpectTexts(p.t, {{"Edit3", "0.254"}, {"Edit4", "0.508"}, {"Edit5", "1.016"}});
  EXPECT_EQ(p.results(), With(kImperialDefaults, {{"Edit8", "0.0223 Sq.mm"}, {"Edit11", "0.4022 pF"},
                                                  {"Edit12", "1.3265 nH"}, {"Edit13", "25.4069 ps"},
                                                  {"Edit14", "6890.682 MHz"}, {"Label56", "7.7751 dBm"},
                                                  {"Label72", "3.0282 mV"}}));
  EXPECT_TRUE(p.t.messages().empty());
}

TEST(ViaPage, DecimalCommaReplacesTheFirstPointOfEveryResult) {
  ViaPage p({.comma = true});
  ExpectTexts(p.t, {{"Label350", "6,20:1"}, {"Edit14", "6891,661 MHz"}, {"Label285", "17,9 °C/W per via"}});
}

// 2 Layer: C is 1 pF (f 4370.270, Z 36.418, T 40.0594); the thermal and
// resistive rows are those of Multi Layer. Microvia (d 5, h 5, t 0.7):
// A = 12.53, I = 0.4626, L = 0.0606 nH, theta 39.9, ratio 1.00:1 at the
// limit 1, so not flagged; C and what follows it keep their last texts.
TEST(ViaPage, EachLayerSet) {
  ViaPage p;
  p.t.selectRadio("RadioGroup3", 0);
  const Results twoLayer = With(kImperialDefaults, {{"Edit11", "1.0000 pF"}, {"Edit13", "40.0594 ps"},
                                                     {"Edit14", "4370.270 MHz"}, {"Edit42", "36.418 Ohms"}});
  EXPECT_EQ(p.results(), twoLayer);
  EXPECT_TRUE(p.t.showing("Image2"));

  p.t.selectRadio("RadioGroup3", 2);
  const Results microvia = With(twoLayer, {{"Edit8", "12.53 Sq.mils"},    {"Edit10", "0.4626 Amps"},
                                           {"Edit12", "0.0606 nH"},        {"Edit49", "0.00034 Ohms"},
                                           {"Edit50", "0.00007 Watts"},    {"Label56", "-11.3783 dBm"},
                                           {"Label110", "39.9 °C/W"},      {"Label285", "4.0 °C/W per via"},
                                           {"Label72", "0.1574 mV"},       {"Label350", "1.00:1"}});
  EXPECT_EQ(p.results(), microvia);
  EXPECT_EQ(p.t.fontColor("Label350"), colors::Black);
  EXPECT_FALSE(p.t.showing("Label402"));
  EXPECT_TRUE(p.t.messages().empty());

  // Choosing the single-via layout again returns to Multi Layer.
  p.t.selectRadio("RadioGroup5", 1);
  p.t.selectRadio("RadioGroup5", 0);
  EXPECT_EQ(p.t.itemIndex("RadioGroup3"), 1);
}

// Without modifiers: I = 20^0.44 x 0.024 x 34.557^0.725 = 1.1698 A. With
// the via height left out: no 0.95, I = 2.0826 A.
TEST(ViaPage, CurrentFollowsTheIpcMode) {
  for (int ipc : {1, 2}) {
    ViaPage p({.ipc = ipc});
    EXPECT_EQ(p.t.text("Edit10"), "1.1698 Amps") << ipc;
    EXPECT_EQ(p.t.text("Label72"), "1.7899 mV") << ipc;
    EXPECT_FALSE(p.t.enabled("Edit6"));
  }
  ViaPage p;
  p.t.form("Form6").checkBox("CheckBox2").setChecked(true);
  p.t.pressEnter("Edit3");
  EXPECT_EQ(p.t.text("Edit10"), "2.0826 Amps");
}

TEST(ViaPage, AspectRatioAboveTheLimitTurnsRedAndWarns) {
  ViaPage p;
  p.enter({{"Edit6", "101"}});  // 10.10:1 against the limit 10
  EXPECT_EQ(p.t.text("Label350"), "10.10:1");
  EXPECT_EQ(p.t.fontColor("Label350"), colors::Red);
  EXPECT_TRUE(p.t.showing("Label402"));
  p.enter({{"Edit6", "100"}});  // equal to the limit: not flagged
  EXPECT_EQ(p.t.fontColor("Label350"), colors::Black);
  EXPECT_FALSE(p.t.showing("Label402"));
}

// A refused input: its message, the corrected text, and a result that the
// same solve computes with the corrected value.
struct CorrectionCase {
  const char *name, *field, *typed, *message, *corrected;
  const char *resultField, *result;
};

void PrintTo(const CorrectionCase& c, std::ostream* os) { *os << c.field << " " << c.typed; }

class ViaCorrection : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(ViaCorrection, CountsInTheSameSolve) {
  const CorrectionCase& c = GetParam();
  ViaPage p;
  p.enter({{c.field, c.typed}});
  EXPECT_EQ(p.t.takeMessages(), std::vector<Message>{InfoBox(c.message)});
  ExpectTexts(p.t, {{c.field, c.corrected}, {c.resultField, c.result}});
}

INSTANTIATE_TEST_SUITE_P(
    ViaPage, ViaCorrection,
    ::testing::Values(
        CorrectionCase{"ViaCountBelowOne", "Edit227", "0", "Via count cannot be less than 1", "1", "Label285",
                       "179.3 °C/W per via"},
        CorrectionCase{"ViaCountAbove999", "Edit227", "1000", "Via count cannot be greater than 999", "999",
                       "Label285", "0.2 °C/W per via"},
        CorrectionCase{"ErAbove350", "Edit7", "400", "Maximum dielectric constant value can't be greater than 350",
                       "350", "Edit11", "30.5970 pF"},
        // Equal to the pad: C = 1.41 x 4.6 x 0.062 x 0.02 / 0.002 = 4.0213 pF with the corrected 22.
        CorrectionCase{"OpeningEqualToThePad", "Edit5", "20",
                       "Minimum reference plane opening diameter can't be less than internal pad diameter + 2mils",
                       "22", "Edit11", "4.0213 pF"}),
    [](const ::testing::TestParamInfo<CorrectionCase>& row) { return std::string(row.param.name); });

// A hole of 300 with pad 20 and opening 40: each check compares with the
// typed 300, and the same solve computes with 250, 301 and 302
// (python3: A 788.54, I 12.1375, C 121.0417 pF, Z 1.607).
TEST(ViaPage, CorrectionsCountInTheSameSolve) {
  ViaPage p;
  p.enter({{"Edit3", "300"}});
  EXPECT_EQ(p.t.takeMessages(),
            (std::vector<Message>{
                InfoBox("Maximum via hole diameter can't be greater than 250mils"),
                InfoBox("Minimum via pad diameter can't be less than via hole diameter"),
                InfoBox("Minimum reference plane opening diameter can't be less than via hole diameter + 2mils"),
            }));
  EXPECT_EQ(p.t.text("Edit3"), "250");
  EXPECT_EQ(p.t.text("Edit4"), "301");
  // 40 passes the pad rule against the pad as typed (20 + 2).
  ExpectTexts(p.t, {{"Edit5", "302"}, {"Edit8", "788.54 Sq.mils"}, {"Edit10", "12.1375 Amps"}});
}

TEST(ViaPage, EmptyHoleUsesTheDefault) {
  ViaPage p;
  p.enter({{"Edit3", ""}});
  EXPECT_EQ(p.t.takeMessages(),
            std::vector<Message>{InfoBox("Via hole diameter can't be empty, using default of 10mils")});
  EXPECT_EQ(p.results(), kImperialDefaults);
}

// 2 Layer, hole 250, height 20: ln(4 x 20 / 250) + 1 < 0, so L = 0 and the
// resonance divides by zero after the current and the ratio are written.
TEST(ViaPage, ZeroInductanceEndsTheSolveAfterTheRatio) {
  ViaPage p;
  p.t.selectRadio("RadioGroup3", 0);
  p.enter({{"Edit3", "250"}, {"Edit6", "20"}});
  EXPECT_EQ(p.t.takeMessages(), std::vector<Message>{ErrorBox("Floating point division by zero")});
  EXPECT_EQ(p.t.text("Label350"), "0.08:1");
  EXPECT_EQ(p.t.text("Edit12"), "1.3262 nH");  // the last solve's text
}

// Rewrites that one solve makes are checked only by the next: the pad
// becomes 999 + 1 and the opening the limit 1000, so the capacitance
// divides by zero after the cross-section, current and ratio (62 / 250).
TEST(ViaPage, RewrittenPadEqualToTheOpeningEndsTheSolve) {
  ViaPage p;
  p.enter({{"Edit3", "999"}, {"Edit4", "998"}, {"Edit5", "1001"}});
  EXPECT_EQ(p.t.takeMessages(),
            (std::vector<Message>{
                InfoBox("Maximum via hole diameter can't be greater than 250mils"),
                InfoBox("Maximum via pad diameter can't be greater than 500mils"),
                InfoBox("Minimum via pad diameter can't be less than via hole diameter"),
                InfoBox("Maximum reference plane opening diameter can't be greater than 1000mils"),
                ErrorBox("Floating point division by zero"),
            }));
  ExpectTexts(p.t, {{"Edit4", "1000"},
                    {"Edit5", "1000"},
                    {"Label350", "0.25:1"},
                    {"Edit11", "0.4021 pF"}});  // the last solve's text
}

TEST(ViaPage, FullPlaneOpeningChoosesThePictureAndSolves) {
  ViaPage p;
  p.t.takeSolves();
  p.t.form().checkBox("CheckBox5").setChecked(true);
  EXPECT_TRUE(p.t.form().image("Image64").visible());
  EXPECT_FALSE(p.t.form().image("Image46").visible());
  EXPECT_EQ(p.t.takeSolves(), 1);
  EXPECT_EQ(p.results(), kImperialDefaults);
  // The single-via layout unchecks it again, which swaps the pictures back.
  p.t.selectRadio("RadioGroup5", 1);
  p.t.selectRadio("RadioGroup5", 0);
  EXPECT_FALSE(p.t.form().checkBox("CheckBox5").checked());
  EXPECT_FALSE(p.t.form().image("Image64").visible());
}

TEST(ViaPage, SingleViaLayoutTexts) {
  ViaPage p;
  ExpectTexts(p.t, {{"Label5", "Via Hole Diameter"}, {"Label7", "Ref Plane Opening Diam"},
                    {"Label83", "Via DC Resistance"}, {"Label84", "Power Dissipation"}});
  EXPECT_EQ(p.t.form().control("Edit6").hint(), "Enter the length of the via.");
  EXPECT_FALSE(p.t.showing("CheckBox5"));
  EXPECT_FALSE(p.t.showing("Edit335"));
  EXPECT_FALSE(p.t.showing("Edit206"));
  EXPECT_FALSE(p.t.showing("Edit386"));
  EXPECT_FALSE(p.t.showing("BitBtn7"));
  EXPECT_TRUE(p.t.showing("Edit9"));
  EXPECT_TRUE(p.t.showing("Image7"));
  EXPECT_TRUE(p.t.enabled("Edit227"));
  EXPECT_TRUE(p.t.enabled("Edit6"));
}

}  // namespace
}  // namespace cq::test
