// The differential-via layout of the Via Properties page as the user drives
// it. Expected texts are worked by hand in python3:
//   Er_avg = (4.6 x 1.18 + 4.6) / 2 = 5.014
//   x = s/d, acosh = ln(sqrt(x^2 - 1) + x), q = ln((H + W) / 2d)
//   Zodd = 60 / sqrt(Er_avg) x sqrt(acosh q), Zdiff = 2 Zodd,
//   Er_eff = acosh / q x Er_avg, stub = 0.84 / (sqrt(Er_eff) B) x 1000
//   (mm: x 25.4), G = (Zdp - Zdiff) / (Zdp + Zdiff), loss = 40 log10(1 - |G|)
// Imperial defaults d 10, H 40, W 62, s 60 mils, 18 %, 1 GBaud, 100 ohms:
//   acosh 2.477889, q 1.629241 -> Zodd 53.838, Zdiff 107.677, Er_eff 7.626,
//   stub 304.186 mils, G -0.036966, loss -0.6543 dB.
#include <gtest/gtest.h>

#include <map>

#include "calc/via/via_page_start.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

using Results = TextsByName;

// The results: Zodd, Zdiff, the effective Er, the stub length and the
// insertion loss.
const std::vector<std::string> kResultFields = {"Edit50", "Edit8", "Edit10", "Edit49", "Edit13"};

class DifferentialVias : public ViaProgram {
 public:
  explicit DifferentialVias(const ViaStart& s = {}) : ViaProgram(s, 1) {}
  Results results() { return TextsOf(t, kResultFields); }
};

const Results kImperialDefaults = {
    {"Edit50", "53.838 Ohms"}, {"Edit8", "107.677 Ohms"}, {"Edit10", "7.626"},
    {"Edit49", "304.19 mils"}, {"Edit13", "-0.6543 dB"},
};

TEST(DifferentialVias, ImperialDefaults) {
  DifferentialVias p;
  EXPECT_EQ(p.results(), kImperialDefaults);
  EXPECT_TRUE(p.t.messages().empty());
}

// Metric d 0.254, H 1.016, W 1.575, s 1.524 mm: W is 62.008 mils, so
// q = 1.629318 moves the last digits: Zodd 53.840, Zdiff 107.679,
// Er_eff 7.625, loss -0.6545 dB; the stub 7.7265 mm is 304.19 mils x 0.0254
// (7.7263) up to the same W.
TEST(DifferentialVias, MetricDefaults) {
  DifferentialVias p({.metric = true});
  ExpectTexts(p.t, {{"Edit3", "0.254"}, {"Edit5", "1.016"}, {"Edit6", "1.575"}, {"Edit335", "1.524"}});
  EXPECT_EQ(p.results(), Paired(kResultFields, {"53.840 Ohms", "107.679 Ohms", "7.625", "7.7265 mm", "-0.6545 dB"}));
  EXPECT_TRUE(p.t.messages().empty());
}

TEST(DifferentialVias, DecimalCommaInEveryResult) {
  DifferentialVias p({.metric = true, .comma = true});
  EXPECT_EQ(p.results(), Paired(kResultFields, {"53,840 Ohms", "107,679 Ohms", "7,625", "7,7265 mm", "-0,6545 dB"}));
}

TEST(DifferentialVias, Layout) {
  DifferentialVias p;
  TestProgram& t = p.t;
  EXPECT_EQ(t.itemIndex("RadioGroup3"), 1);
  EXPECT_FALSE(t.enabled("RadioGroup3"));
  EXPECT_TRUE(t.showing("CheckBox5"));
  EXPECT_FALSE(t.form().checkBox("CheckBox5").checked());
  for (const char* shown : {"Edit335", "Edit336", "Image65", "Image46", "Edit49", "Edit13", "Edit50", "Label83",
                            "Label15", "Label84", "Label102", "Edit206", "Edit208", "Edit209", "Edit210", "Label105",
                            "Label383", "Edit386", "Edit387", "BitBtn7", "BitBtn9", "BitBtn10"})
    EXPECT_TRUE(t.showing(shown)) << shown;
  for (const char* hidden : {"Edit9", "Edit56", "Image7", "Image2", "Image20", "Label159", "Label160", "Label161",
                             "Label164", "Image64", "Label187", "Edit11", "Edit12", "Edit42", "Edit14", "Label13",
                             "Label14", "Label42", "Label16", "Label6", "Edit4", "Edit53", "Label402"})
    EXPECT_FALSE(t.showing(hidden)) << hidden;
  for (const char* disabled : {"Label350", "Label349", "Label55", "Label56", "Edit1", "Edit2", "GroupBox3", "GroupBox4",
                               "Label106", "Label110", "Label284", "Edit227", "UpDown6", "Label285", "Label41",
                               "Label72"})
    EXPECT_FALSE(t.enabled(disabled)) << disabled;
  for (const char* enabled : {"Edit6", "Label8", "Edit55"}) EXPECT_TRUE(t.enabled(enabled)) << enabled;

  ExpectTexts(t, {{"Label5", "Drill Hole Diameter"}, {"Label7", "Ref Plane Opening H"},
                  {"Label8", "Ref Plane Opening W"}, {"Label11", "Via Spacing S"}, {"Label84", "Odd Mode Impedance"},
                  {"Label10", "Differential Impedance"}, {"Label12", "Er Effective"},
                  {"Label83", "Maximum Stub Length"}, {"Label15", "Insertion Loss"}});
  const Results hints = {
      {"Edit3", "Enter the drill diameter of the via."},
      {"Edit5", "Enter the internal reference plane opening H of the via."},
      {"Edit6", "Enter the internal reference plane opening W of the via."},
      {"Edit50", "Odd mode impedance based on via structure."},
      {"Edit8", "Differential impedance based on via structure."},
      {"Edit10", "Effective dielectric constant based on via structure."},
      {"Edit49", "Maximum stub length of via to avoid unwanted resonant frequency nulls."},
      {"Edit13", "Insertion loss based on differential calculations."},
  };
  for (const auto& [field, hint] : hints) EXPECT_EQ(t.form().control(field).hint(), hint) << field;

  // The single-via rows that this layout hides keep their last texts.
  EXPECT_EQ(t.text("Edit11"), "0.4021 pF");

  // Back to the single via: the layer radio is free again.
  t.selectRadio("RadioGroup5", 0);
  EXPECT_TRUE(t.enabled("RadioGroup3"));
  EXPECT_TRUE(t.enabled("Edit227"));
  EXPECT_FALSE(t.showing("Edit335"));
  EXPECT_EQ(t.text("Label5"), "Via Hole Diameter");
}

// Without modifiers the single-via layout disables the height row; here
// Edit6 holds W and stays usable.
TEST(DifferentialVias, OpeningWidthIsEnabledInEveryIpcMode) {
  DifferentialVias p({.ipc = 2});
  EXPECT_TRUE(p.t.enabled("Edit6"));
  EXPECT_EQ(p.results(), kImperialDefaults);
}

TEST(DifferentialVias, FullPlaneOpeningChangesThePictureOnly) {
  DifferentialVias p;
  p.t.click("CheckBox5");
  EXPECT_TRUE(p.t.showing("Image64"));
  EXPECT_FALSE(p.t.showing("Image46"));
  EXPECT_EQ(p.t.takeSolves(), 1);
  EXPECT_EQ(p.results(), kImperialDefaults);
  // Re-entering the layout keeps the box and its picture.
  p.t.selectRadio("RadioGroup3", 1);
  p.t.selectRadio("RadioGroup5", 1);
  EXPECT_TRUE(p.t.form().checkBox("CheckBox5").checked());
  EXPECT_TRUE(p.t.showing("Image64"));
}

// Entering from Microvia (hole 5, height 5) selects Multi Layer first,
// which writes its defaults "10" and "62" (then the hole and W).
TEST(DifferentialVias, EnteringFromMicroviaRestoresTheMultiLayerDefaults) {
  DifferentialVias p;
  p.t.selectRadio("RadioGroup5", 0);
  p.t.selectRadio("RadioGroup3", 2);
  EXPECT_EQ(p.t.text("Edit3"), "5");
  p.t.selectRadio("RadioGroup5", 1);
  EXPECT_EQ(p.t.text("Edit3"), "10");
  EXPECT_EQ(p.t.text("Edit6"), "62");
  EXPECT_EQ(p.results(), kImperialDefaults);
  EXPECT_TRUE(p.t.takeMessages().empty());
}

// A spacing of 8 with a 10 mil drill is refused and rewritten as 11, and the
// solve computes with what the field shows: x = 1.1, acosh 0.443568 ->
// Zodd 22.779, Zdiff 45.558, Er_eff 1.365, stub 718.95, G 0.374025,
// loss -8.1377 dB.
TEST(DifferentialVias, SpacingNotAboveTheDrillIsRefused) {
  DifferentialVias p;
  p.enter({{"Edit335", "8"}});
  EXPECT_EQ(p.t.takeMessages(),
            std::vector<Message>{InfoBox("Minimum via spacing can't be less than or equal to via hole diameter")});
  EXPECT_EQ(p.t.text("Edit335"), "11");
  const Results spaced11 =
      Paired(kResultFields, {"22.779 Ohms", "45.558 Ohms", "1.365", "718.95 mils", "-8.1377 dB"});
  EXPECT_EQ(p.results(), spaced11);
  p.t.pressEnter("Edit335");
  EXPECT_TRUE(p.t.takeMessages().empty());
  EXPECT_EQ(p.results(), spaced11);
}

// Metric with a comma: 0,2 against 0,254 becomes 0,254 + 0,0254 = 0,2794
// (x = 1.1 again: Zodd 22.779, Zdiff 45.559 with W 1.575, Er_eff 1.365,
// stub 18.2618 mm, loss -8.1374 dB).
TEST(DifferentialVias, MetricSpacingRewriteFollowsTheDecimalComma) {
  DifferentialVias p({.metric = true, .comma = true});
  p.enter({{"Edit335", "0,2"}});
  EXPECT_EQ(p.t.takeMessages(),
            std::vector<Message>{InfoBox("Minimum via spacing can't be less than or equal to via hole diameter")});
  EXPECT_EQ(p.t.text("Edit335"), "0,2794");
  EXPECT_EQ(p.results(), Paired(kResultFields, {"22,779 Ohms", "45,559 Ohms", "1,365", "18,2618 mm", "-8,1374 dB"}));
}

// H 10 -> 12: q = ln(74 / 20) = 1.308333, Zodd 48.246, Er_eff 9.496,
// stub 272.59, loss -0.3130 dB. Both sides 10 -> 12: q = ln(24 / 20),
// Zodd 18.010, Zdiff 36.020, Er_eff 68.144, stub 101.76, loss -11.0410 dB.
TEST(DifferentialVias, OpeningNotAboveTheDrillIsRefused) {
  const std::string clearance = "Minimum gnd clearance can't be less than or equal to via hole diameter";
  DifferentialVias p;
  p.enter({{"Edit5", "10"}});
  EXPECT_EQ(p.t.takeMessages(), std::vector<Message>{InfoBox(clearance)});
  EXPECT_EQ(p.t.text("Edit5"), "12");
  EXPECT_EQ(p.results(), Paired(kResultFields, {"48.246 Ohms", "96.492 Ohms", "9.496", "272.59 mils", "-0.3130 dB"}));

  p.enter({{"Edit6", "9"}});
  EXPECT_EQ(p.t.takeMessages(), std::vector<Message>{InfoBox(clearance)});
  EXPECT_EQ(p.t.text("Edit6"), "12");
  EXPECT_EQ(p.results(), Paired(kResultFields, {"18.010 Ohms", "36.020 Ohms", "68.144", "101.76 mils", "-11.0410 dB"}));
}

// Anisotropy 0 (Er_avg 4.6): Zodd 56.209, Zdiff 112.418, Er_eff 6.996 are
// written; a baud rate of 0 then divides the stub by zero, which ends the
// solve: the stub and the loss keep the texts of the last solve.
TEST(DifferentialVias, ZeroBaudRateEndsTheSolveAfterThePermittivity) {
  DifferentialVias p;
  p.enter({{"Edit206", "0"}, {"Edit209", "0"}});
  EXPECT_EQ(p.t.takeMessages(), std::vector<Message>{ErrorBox("Floating point division by zero")});
  EXPECT_EQ(p.results(), Paired(kResultFields, {"56.209 Ohms", "112.418 Ohms", "6.996", "304.19 mils", "-0.6543 dB"}));
}

// 2.5 GBaud gives a stub of 304.186 / 2.5 = 121.67 mils; a pair impedance
// that is no number then ends the solve before the loss.
TEST(DifferentialVias, PairImpedanceThatIsNoNumberEndsTheSolveBeforeTheLoss) {
  DifferentialVias p;
  p.enter({{"Edit209", "2.5"}, {"Edit386", "abc"}});
  EXPECT_EQ(p.t.takeMessages(), std::vector<Message>{ErrorBox("'abc' is not a valid floating point value")});
  EXPECT_EQ(p.t.text("Edit49"), "121.67 mils");
  EXPECT_EQ(p.t.text("Edit13"), "-0.6543 dB");
}

TEST(DifferentialVias, InsertionLossFollowsThePairImpedance) {
  DifferentialVias p;
  // A pair of 0 ohms reflects everything.
  p.enter({{"Edit386", "0"}});
  EXPECT_EQ(p.t.text("Edit13"), "-INF dB");
  // 107.677 against Zdiff 107.67691: |G| = 4e-7, loss -7e-6 dB.
  p.enter({{"Edit386", "107.677"}});
  EXPECT_EQ(p.t.text("Edit13"), "-0.0000 dB");
  // Above Zdiff (G 0.462525): 40 log10(1 - G) = -10.7857 dB.
  p.enter({{"Edit386", "293"}});
  EXPECT_EQ(p.t.text("Edit13"), "-10.7857 dB");
  EXPECT_TRUE(p.t.takeMessages().empty());
}

// The Units switch converts d, H, W and s as lengths (W 62 mils is 1.5748
// mm) and lays the differential page out again: the same ratios give the
// same impedances, and the stub is 304.18572 mils x 0.0254 = 7.7263 mm.
// Anisotropy, baud rate and pair impedance are not lengths.
TEST(DifferentialVias, UnitsSwitchKeepsTheLayoutAndTheImpedances) {
  DifferentialVias p;
  ToMetric(p.t);
  ExpectTexts(p.t, {{"Edit3", "0.254"}, {"Edit5", "1.016"}, {"Edit6", "1.5748"}, {"Edit335", "1.524"},
                    {"Edit336", "mm"}, {"Edit206", "18"}, {"Edit209", "1"}, {"Edit386", "100"}});
  EXPECT_EQ(p.results(), With(kImperialDefaults, {{"Edit49", "7.7263 mm"}}));
  EXPECT_EQ(p.t.itemIndex("RadioGroup5"), 1);
  EXPECT_TRUE(p.t.showing("Edit335"));
  EXPECT_FALSE(p.t.enabled("RadioGroup3"));
  EXPECT_TRUE(p.t.takeMessages().empty());
}

}  // namespace
}  // namespace cq::test
