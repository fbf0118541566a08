// The Conductor Properties page as a user drives it: the results under the
// three IPC methods and etch factors in both unit systems, solving for the
// width, parallel conductors, a plane, "DC", every input limit, the width
// correction and the inputs that would divide by zero.
//
// Expected texts are hand calculations from the IPC relations, not from the
// program. Common inputs: dT 20 C, ambient 22 C (Tc 42 C), FR-4 (x0.98),
// base and plating 1oz (T = 1.4 + 1.4 = 2.8 mils, 0.035 + 0.035 = 0.07 mm),
// board 62 mils (x0.95), 1 MHz.
//   A (1:1)  = (10 - 2.8) x 2.8                         = 20.16 sq.mils
//   AM       = 3.0364 x 20.16^-0.145                    = 1.9675
//   I (mod)  = 20.16^0.725 x 0.024 x 20^0.44 x AM x 0.95 x 1.0 x 0.98 = 1.4474 A
//   I (none) = 20.16^0.725 x 0.024 x 20^0.44            = 0.7914 A (k 0.048: 1.5829 A)
//   rho      = 0.000785 x (1 + 0.00393 x 22)            = 0.00085287 ohm-mil
//   R        = rho x 1000 / 20.16                       = 0.04231 ohm
//   P = I^2 R, V = I R, dBm = 10 log10(P / 1 mW)
//   d        = sqrt(1.72e-8 / (3.14159 x 1.256636e-6 x 1e6)) = 66.00620 um = 2.59867 mils
// Metric: W 0.254 mm, L 25.4 mm, H 1.5748 mm (x0.95), A = (0.254 - 0.07) x 0.07
// = 0.01288 sq.mm, Asm = A x 1550 = 19.964; rho = 0.03091 x 1.08646.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {


struct Page {
  bool metric = false;
  bool comma = false;
  int ipc = 0;   // TForm6.RadioGroup1
  int etch = 0;  // TForm6.RadioGroup2
};

StartOptions startOn(const Page& page) {
  StartOptions options = SettingsStart(2, page.metric, page.comma);
  options.settings["Base_Weight"] = "2";
  options.settings["Plate_Weight"] = "2";
  options.settings["IPC_Version"] = std::to_string(page.ipc);
  options.settings["Derating"] = std::to_string(page.etch);
  return options;
}

// Types every field, then presses Enter in the last.
// The program on Conductor Properties with FR-4 and, in Metric, the
// Imperial defaults typed in millimetres.
class ConductorPage {
 public:
  explicit ConductorPage(const Page& page = {}) : t(startOn(page)) {
    t.selectCombo("ComboBox1", 0);
    if (page.metric) {
      std::vector<std::pair<std::string, std::string>> fields = {{"Edit15", page.comma ? "0,254" : "0.254"},
                                                                 {"Edit18", page.comma ? "25,4" : "25.4"}};
      // The board thickness is an input only with the modifiers.
      if (page.ipc == 0) fields.push_back({"Edit126", page.comma ? "1,5748" : "1.5748"});
      EnterAll(t, fields);
    }
    t.takeMessages();
    t.takeSolves();
  }
  TestProgram t;
};

// The results: area, current, resistance, power, voltage drop, skin depth,
// its share of the thickness and the power in dBm.
const std::vector<std::string> kResultFields = {"Edit16", "Edit17",  "Edit20",  "Edit48",
                                                "Edit78", "Edit129", "Edit134", "Edit135"};
using Results = std::vector<std::string>;  // in the order of kResultFields

void expectResults(TestProgram& t, const Results& r, const std::string& what) {
  EXPECT_EQ(TextsOf(t, kResultFields), Paired(kResultFields, r)) << what;
}

// ---------------------------------------------------------------------------
// The default page under each method and etch factor.

struct DefaultCase {
  const char* what;
  Page page;
  const char* copper;
  const char* mode;
  const char* etch;
  Results results;
};
std::ostream& operator<<(std::ostream& os, const DefaultCase& c) { return os << c.what; }

class DefaultPage : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultPage, ShowsTheHandCalculatedResults) {
  const DefaultCase& c = GetParam();
  ConductorPage p(c.page);
  TestProgram& t = p.t;
  ExpectTexts(t, {{"Label56", c.copper}, {"Label110", "N/A"}, {"Label285", "N/A"}, {"Label243", c.mode},
                  {"Label126", c.etch}});
  expectResults(t, c.results, c.what);
  EXPECT_EQ(t.fontColor("Edit134"), colors::Navy);
  EXPECT_TRUE(t.messages().empty());
}

// 2:1: A = (10 - 1.4) x 2.8 = 24.08; None: A = 10 x 2.8 = 28.00.
INSTANTIATE_TEST_SUITE_P(
    MethodsAndEtchFactors, DefaultPage,
    ::testing::Values(
        DefaultCase{"Imperial, with modifiers, 1:1", {false, false, 0, 0}, "2.80 mils", "IPC-2152 with modifiers mode",
                    "1:1",
                    {"20.16 Sq.mils", "1.4474 Amps", "0.04231 Ohms", "0.08862 Watts", "0.0612 Volts", "2.59867 mils",
                     "100%", "19.4755 dBm"}},
        DefaultCase{"Imperial, without modifiers, 1:1", {false, false, 1, 0}, "2.80 mils",
                    "IPC-2152 without modifiers mode", "1:1",
                    {"20.16 Sq.mils", "0.7914 Amps", "0.04231 Ohms", "0.02650 Watts", "0.0335 Volts", "2.59867 mils",
                     "100%", "14.2323 dBm"}},
        DefaultCase{"Imperial, IPC-2221A external, 1:1", {false, false, 2, 0}, "2.80 mils", "IPC-2221 mode", "1:1",
                    {"20.16 Sq.mils", "1.5829 Amps", "0.04231 Ohms", "0.10600 Watts", "0.0670 Volts", "2.59867 mils",
                     "100%", "20.2529 dBm"}},
        DefaultCase{"Imperial, with modifiers, 2:1", {false, false, 0, 1}, "2.80 mils", "IPC-2152 with modifiers mode",
                    "2:1",
                    {"24.08 Sq.mils", "1.6045 Amps", "0.03542 Ohms", "0.09118 Watts", "0.0568 Volts", "2.59867 mils",
                     "100%", "19.5989 dBm"}},
        DefaultCase{"Imperial, with modifiers, None", {false, false, 0, 2}, "2.80 mils",
                    "IPC-2152 with modifiers mode", "None",
                    {"28.00 Sq.mils", "1.7512 Amps", "0.03046 Ohms", "0.09341 Watts", "0.0533 Volts", "2.59867 mils",
                     "100%", "19.7037 dBm"}},
        DefaultCase{"Metric, with modifiers", {true, false, 0, 0}, " 70 um", "IPC-2152 with modifiers mode", "1:1",
                    {"0.0129 Sq.mm", "1.4392 Amps", "0.04273 Ohms", "0.08850 Watts", "0.0615 Volts", "66.00620 um",
                     "100%", "19.4693 dBm"}},
        DefaultCase{"Metric, without modifiers", {true, false, 1, 0}, " 70 um", "IPC-2152 without modifiers mode",
                    "1:1",
                    {"0.0129 Sq.mm", "0.7859 Amps", "0.04273 Ohms", "0.02639 Watts", "0.0336 Volts", "66.00620 um",
                     "100%", "14.2139 dBm"}},
        DefaultCase{"Metric, IPC-2221A external", {true, false, 2, 0}, " 70 um", "IPC-2221 mode", "1:1",
                    {"0.0129 Sq.mm", "1.5717 Amps", "0.04273 Ohms", "0.10555 Watts", "0.0672 Volts", "66.00620 um",
                     "100%", "20.2345 dBm"}},
        DefaultCase{"Metric, decimal comma", {true, true, 0, 0}, " 70 um", "IPC-2152 with modifiers mode", "1:1",
                    {"0,0129 Sq.mm", "1,4392 Amps", "0,04273 Ohms", "0,08850 Watts", "0,0615 Volts", "66,00620 um",
                     "100%", "19,4693 dBm"}}));

TEST(ConductorProperties, TheEtchPictureFollowsTheStoredEtchFactor) {
  const char* shown[] = {"Image68", "Image73", "Image69"};
  for (int etch = 0; etch < 3; ++etch) {
    ConductorPage p({false, false, 0, etch});
    for (int i = 0; i < 3; ++i) EXPECT_EQ(p.t.control(shown[i]).visible(), i == etch) << etch << " " << shown[i];
  }
}

// IPC-2221A takes k 0.048 only on an outer layer; an inner one has no plating.
//   internal: T = 1.4, A = (10 - 1.4) x 1.4 = 12.04, I = 12.04^0.725 x 0.024 x 20^0.44 = 0.5447 A
TEST(ConductorProperties, AnInternalLayerDropsThePlatingAndHalvesK) {
  ConductorPage p({false, false, 2, 0});
  p.t.selectRadio("RadioGroup3", 0);
  ExpectTexts(p.t, {{"Label56", "1.40 mils"}, {"Edit16", "12.04 Sq.mils"}, {"Edit17", "0.5447 Amps"},
                    {"Edit20", "0.07084 Ohms"}});
  EXPECT_TRUE(p.t.showing("Image51"));
  p.t.selectRadio("RadioGroup3", 1);
  EXPECT_EQ(p.t.text("Edit17"), "1.5829 Amps");
  EXPECT_TRUE(p.t.showing("Image49"));
}

// ---------------------------------------------------------------------------
// Solve For "Conductor Width", and back.

// I = 1 A, k 0.024: A = (1 / (0.024 x 20^0.44))^(1 / 0.725) = 27.84 sq.mils,
// W = A / 2.8 = 9.9413 mils. Back: (9.9413 x 2.8)^0.725 x 0.024 x 20^0.44 = 1.0000 A.
TEST(ConductorProperties, SolvingForTheWidthIsTheInverseOfSolvingForTheCurrent) {
  ConductorPage p({false, false, 1, 0});
  TestProgram& t = p.t;
  t.selectRadio("RadioGroup8", 1);
  EXPECT_EQ(t.takeMessages(),
            std::vector<Message>{InfoBox("Solving for conductor width only works with etch factor set to none")});
  EXPECT_EQ(t.takeSolves(), 2);  // the caption swap, then the etch factor's own click
  EXPECT_EQ(t.itemIndex("Form6.RadioGroup2"), 2);
  EXPECT_FALSE(t.enabled("Form6.RadioGroup2"));
  EXPECT_EQ(t.setting("Derating"), "2");
  ExpectTexts(t, {{"Label126", "None"}, {"Label17", "Conductor Current"}, {"Label19", "Conductor Width"}});
  EXPECT_EQ(t.control("Edit15").hint(), "Enter the desired amperage of the conductor.");
  EXPECT_EQ(t.text("Edit57"), "Amps");
  EXPECT_EQ(t.control("Edit57").bounds().left, 493);
  EXPECT_EQ(t.control("Edit57").bounds().width, 50);
  for (const char* note : {"Label339", "Label340", "BitBtn2"}) EXPECT_TRUE(t.showing(note)) << note;

  EnterAll(t, {{"Edit15", "1"}});
  EXPECT_EQ(t.text("Edit16"), "27.84 Sq.mils");
  EXPECT_EQ(t.text("Edit17"), "9.9413 mils");
  EXPECT_TRUE(t.takeMessages().empty());

  t.selectRadio("RadioGroup8", 0);
  EXPECT_TRUE(t.enabled("Form6.RadioGroup2"));
  EXPECT_EQ(t.itemIndex("Form6.RadioGroup2"), 2);  // not restored
  EXPECT_EQ(t.text("Edit57"), "mils");
  EXPECT_EQ(t.control("Edit57").bounds().left, 508);
  EXPECT_FALSE(t.showing("Label339"));
  EnterAll(t, {{"Edit15", "9.9413"}});
  EXPECT_EQ(t.text("Edit17"), "1.0000 Amps");
}

TEST(ConductorProperties, WithTheEtchFactorAlreadyNoneTheSwitchSolvesOnce) {
  ConductorPage p({false, false, 1, 2});
  p.t.selectRadio("RadioGroup8", 1);
  EXPECT_EQ(p.t.takeMessages(),
            std::vector<Message>{InfoBox("Solving for conductor width only works with etch factor set to none")});
  EXPECT_EQ(p.t.takeSolves(), 1);
}

// Metric, I = 1 A: Asm = 27.84, A = Asm / 1550 = 0.0180 sq.mm, W = A / 0.07 = 0.2565 mm.
// A current so small that W < T: I = 0.1 A gives A = 1.17 sq.mils, W = 0.42 mils < 2.8.
TEST(ConductorProperties, TheWidthInMillimetresAndTheThinWidthNotice) {
  ConductorPage p({true, false, 1, 2});
  TestProgram& t = p.t;
  t.selectRadio("RadioGroup8", 1);
  t.takeMessages();
  EnterAll(t, {{"Edit15", "1"}});
  EXPECT_EQ(t.text("Edit16"), "0.0180 Sq.mm");
  EXPECT_EQ(t.text("Edit17"), "0.2565 mm");
  EXPECT_TRUE(t.takeMessages().empty());
  EnterAll(t, {{"Edit15", "0.01"}});
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox("Conductor width is less than conductor thickess")});
  EXPECT_EQ(t.text("Edit15"), "0.01");  // no correction
}

// ---------------------------------------------------------------------------
// Parallel conductors, the plane, "DC" and the skin depth.

// N 4, None, internal (T 1.4): A = 10 x 1.4 x 4 = 56.00 sq.mils;
// I = 56^0.725 x 0.024 x 20^0.44 x 3.0364 x 56^-0.145 x 0.95 / 4 x 0.98 = 0.6544 A;
// R = rho x 1000 / (56 / 4) = 0.06092 ohm.
TEST(ConductorProperties, ParallelConductorsShareTheTotalArea) {
  ConductorPage p({false, false, 0, 2});
  TestProgram& t = p.t;
  t.selectRadio("RadioGroup3", 0);
  t.selectRadio("RadioGroup15", 1);
  EXPECT_TRUE(t.showing("Image54"));
  EXPECT_TRUE(t.showing("Edit128"));
  EXPECT_TRUE(t.showing("Label236"));
  EXPECT_EQ(t.text("Label18"), "Total Cross Section");
  EnterAll(t, {{"Edit128", "4"}});
  ExpectTexts(t, {{"Edit16", "56.00 Sq.mils"}, {"Edit17", "0.6544 Amps"}, {"Edit20", "0.06092 Ohms"}});
  t.selectRadio("RadioGroup15", 0);
  EXPECT_FALSE(t.showing("Edit128"));
  EXPECT_EQ(t.text("Label18"), "Conductor Cross Section");
  EXPECT_TRUE(t.showing("Image51"));
}

// 1.4474 A x plane factor: 2oz at 10 mils 1.59 -> 2.3013 A; 1oz at 10 mils
// 1.55 -> 2.2434 A; 1oz just below 10 mils 1.59 -> 2.3013 A.
TEST(ConductorProperties, APlaneScalesTheCurrentByItsDistanceBand) {
  ConductorPage p;
  TestProgram& t = p.t;
  EXPECT_FALSE(t.enabled("RadioGroup5"));
  t.selectRadio("RadioGroup2", 1);
  EXPECT_TRUE(t.enabled("RadioGroup5"));
  EXPECT_TRUE(t.showing("Edit132"));
  EXPECT_TRUE(t.showing("Image15"));
  EXPECT_EQ(t.text("Edit17"), "2.2434 Amps");
  t.selectRadio("RadioGroup5", 1);
  EXPECT_EQ(t.text("Edit17"), "2.3013 Amps");
  t.selectRadio("RadioGroup5", 0);
  EnterAll(t, {{"Edit132", "9.99"}});
  EXPECT_EQ(t.text("Edit17"), "2.3013 Amps");
  t.selectRadio("RadioGroup2", 0);
  EXPECT_FALSE(t.enabled("RadioGroup5"));
  EXPECT_FALSE(t.showing("Edit132"));
  EXPECT_EQ(t.text("Edit17"), "1.4474 Amps");
}

// 100 MHz: d = 0.25987 mils < T / 2 = 1.4, 0.25987 / 1.4 x 100 = 18.56 %.
TEST(ConductorProperties, TheSkinDepthTurnsRedBelowHalfTheCopper) {
  ConductorPage p;
  TestProgram& t = p.t;
  EnterAll(t, {{"Edit130", "100"}});
  EXPECT_EQ(t.text("Edit129"), "0.25987 mils");
  EXPECT_EQ(t.text("Edit134"), "18.56 %");
  EXPECT_EQ(t.fontColor("Edit134"), colors::Red);
  EnterAll(t, {{"Edit130", "1"}});
  EXPECT_EQ(t.text("Edit134"), "100%");
  EXPECT_EQ(t.fontColor("Edit134"), colors::Navy);
}

TEST(ConductorProperties, DcHidesTheSkinDepthAndIsNeverParsed) {
  ConductorPage p;
  TestProgram& t = p.t;
  t.click("CheckBox1");
  EXPECT_EQ(t.takeSolves(), 0);
  EXPECT_EQ(t.text("Edit130"), "DC");
  EXPECT_FALSE(t.enabled("Edit130"));
  EXPECT_EQ(t.text("Edit131"), "");
  for (const char* name : {"Edit129", "Edit134", "Label237", "Label239"}) EXPECT_FALSE(t.showing(name)) << name;
  EXPECT_EQ(t.text("Edit17"), "1.4474 Amps");

  EnterAll(t, {{"Edit15", "4.2"}});
  EXPECT_TRUE(t.takeMessages().empty());  // "DC" is not read
  EXPECT_EQ(t.text("Edit17"), "0.5599 Amps");
  EXPECT_EQ(t.text("Edit129"), "2.59867 mils");  // kept while hidden

  t.takeSolves();
  t.click("CheckBox1");
  EXPECT_EQ(t.takeSolves(), 1);
  EXPECT_EQ(t.text("Edit130"), "1");
  EXPECT_EQ(t.text("Edit131"), "MHz");
  EXPECT_TRUE(t.enabled("Edit130"));
  EXPECT_TRUE(t.showing("Edit129"));
}

// ---------------------------------------------------------------------------
// Input limits: message, field text, and the running solve keeps the value.

struct LimitCase {
  const char* what;
  Page page;
  const char* field;
  const char* typed;
  const char* message;
  const char* corrected;
};
std::ostream& operator<<(std::ostream& os, const LimitCase& c) { return os << c.what; }

class Limits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(Limits, ShowTheMessageAndWriteTheLimit) {
  const LimitCase& c = GetParam();
  ConductorPage p(c.page);
  TestProgram& t = p.t;
  if (std::string(c.field) == "Edit128") t.selectRadio("RadioGroup15", 1);
  if (std::string(c.field) == "Edit132") t.selectRadio("RadioGroup2", 1);
  t.takeMessages();
  EnterAll(t, {{c.field, c.typed}});
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox(c.message)});
  EXPECT_EQ(t.text(c.field), c.corrected);
}

constexpr Page kImperial{false, false, 0, 0};
constexpr Page kMetricPoint{true, false, 0, 0};
constexpr Page kMetricComma{true, true, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    BothUnitsAndDecimalModes, Limits,
    ::testing::Values(
        LimitCase{"long, Imperial", kImperial, "Edit18", "2000000",
                  "Max conductor length can't be greater than 1200000mils", "1200000"},
        LimitCase{"long, Metric", kMetricPoint, "Edit18", "40000", "Max conductor length can't be greater than 30480mm",
                  "30480"},
        LimitCase{"short, Imperial", kImperial, "Edit18", "0.5", "Minimum conductor length can't be less than 1mil", "1"},
        LimitCase{"short, Metric point", kMetricPoint, "Edit18", "0.01",
                  "Minimum conductor length can't be less than 0.0254mm", "0.0254"},
        LimitCase{"short, Metric comma", kMetricComma, "Edit18", "0,01",
                  "Minimum conductor length can't be less than 0,0254mm", "0,0254"},
        LimitCase{"board, Imperial", kImperial, "Edit126", "0.5", "PCB Thickness can't be less than 1mil", "1"},
        LimitCase{"board, Metric point", kMetricPoint, "Edit126", "0.01", "PCB Thickness can't be less than 0.0254mm",
                  "0.0254"},
        LimitCase{"board, Metric comma", kMetricComma, "Edit126", "0,01", "PCB Thickness can't be less than 0,0254mm",
                  "0,0254"},
        LimitCase{"count, Imperial", kImperial, "Edit128", "1", "Parallel conductor count can't be less than 2", "2"},
        LimitCase{"count, Metric comma", kMetricComma, "Edit128", "1", "Parallel conductor count can't be less than 2",
                  "2"},
        LimitCase{"plane, Imperial", kImperial, "Edit132", "0.5", "Plane distance can't be less than 1mil", "1"},
        LimitCase{"plane, Metric point", kMetricPoint, "Edit132", "0.01", "Plane distance can't be less than 0.0254mm",
                  "0.0254"},
        LimitCase{"plane, Metric comma", kMetricComma, "Edit132", "0,01", "Plane distance can't be less than 0,0254mm",
                  "0,0254"},
        LimitCase{"width, Imperial", kImperial, "Edit15", "2",
                  "Conductor width can't be less than or equal to conductor thickness", "4.2"},
        LimitCase{"width, Metric point", kMetricPoint, "Edit15", "0.07",
                  "Conductor width can't be less than or equal to conductor thickness", "0.105"},
        LimitCase{"width, Metric comma", kMetricComma, "Edit15", "0,05",
                  "Conductor width can't be less than or equal to conductor thickness", "0,105"}));

// 2000000 mils: R = 0.00085287 x 2000000 / 20.16 = 84.61023 ohm this time,
// 1200000 mils (50.76614 ohm) from the next solve.
TEST(ConductorProperties, ALengthCorrectionCountsFromTheNextSolve) {
  ConductorPage p;
  EnterAll(p.t, {{"Edit18", "2000000"}});
  EXPECT_EQ(p.t.text("Edit20"), "84.61023 Ohms");
  p.t.pressEnter("Edit18");
  EXPECT_EQ(p.t.text("Edit20"), "50.76614 Ohms");
}

TEST(ConductorProperties, AnUnknownDecimalModeShowsNoMetricNotice) {
  ConductorPage p(kMetricPoint);
  p.t.form().label("Label165").setCaption("2");
  EnterAll(p.t, {{"Edit126", "0.01"}});
  EXPECT_TRUE(p.t.takeMessages().empty());
  EXPECT_EQ(p.t.text("Edit126"), "0.01");
}

// W 2 on 2.8 mils: corrected to 4.2 and solved again at once; every result
// is that of W 4.2: A = (4.2 - 2.8) x 2.8 = 3.92, I = 0.5599 A,
// R = 0.00085287 x 1000 / 3.92 = 0.21757 ohm.
TEST(ConductorProperties, AWidthAtTheThicknessIsCorrectedAndSolvedAtOnce) {
  ConductorPage p;
  TestProgram& t = p.t;
  EnterAll(t, {{"Edit15", "2.8"}});
  EXPECT_EQ(t.takeSolves(), 2);
  ExpectTexts(t, {{"Edit15", "4.2"}, {"Edit16", "3.92 Sq.mils"}, {"Edit17", "0.5599 Amps"},
                  {"Edit20", "0.21757 Ohms"}});
  // An inner layer is only 1.4 mils thick: 2 passes.
  t.selectRadio("RadioGroup3", 0);
  t.takeMessages();
  EnterAll(t, {{"Edit15", "2"}});
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(t.text("Edit15"), "2");
}

// The model's worked example on the page: IPC-2152 without modifiers, a
// typed base copper of 1 mil on an inner layer (no plating), etch None and
// W 100 give A = 100 sq.mils; at dT 10:
//   I = 100^0.725 x 0.024 x 10^0.44 = 28.18383 x 0.024 x 2.75423 = 1.8630 A.
TEST(ConductorProperties, AHundredSquareMilsAtTenDegreesWithoutModifiers) {
  ConductorPage p({false, false, 1, 2});
  TestProgram& t = p.t;
  t.selectRadio("RadioGroup3", 0);
  t.form("Form6").show();
  t.click("Form6.CheckBox1");
  EnterAll(t, {{"Edit136", "1"}, {"Edit1", "10"}, {"Edit15", "100"}});
  ExpectTexts(t, {{"Label56", "1.00 mils"}, {"Edit16", "100.00 Sq.mils"}, {"Edit17", "1.8630 Amps"}});
}

// Ambient 0 and rise 20 put Tc exactly on the upper edge of the 0..20 band:
// rho = ((20 - 20) x 0.00393 + 1) x 0.0006787 = 0.0006787 ohm-mil itself,
// R = 0.0006787 x 1000 / 20.16 = 0.03367 ohm; the current needs dT only.
TEST(ConductorProperties, AConductorAtTwentyDegreesUsesTheBandResistivityItself) {
  ConductorPage p;
  EnterAll(p.t, {{"Edit2", "0"}});
  EXPECT_EQ(p.t.text("Edit20"), "0.03367 Ohms");
  EXPECT_EQ(p.t.text("Edit17"), "1.4474 Amps");
  EXPECT_DOUBLE_EQ(p.t.main().values.CopperResistivity, 0.0006787);
}

// With a decimal comma the activation refills the plane weights in comma
// form, and the 2oz column refuses a short distance with the same texts.
TEST(ConductorProperties, TheTwoOuncePlaneRefusesAShortDistanceInCommaForm) {
  ConductorPage p(kMetricComma);
  TestProgram& t = p.t;
  EXPECT_EQ(t.items("RadioGroup5"), (std::vector<std::string>{"0,5oz / 1oz", "2oz"}));
  t.selectRadio("RadioGroup2", 1);
  t.selectRadio("RadioGroup5", 1);
  t.takeMessages();
  EnterAll(t, {{"Edit132", "0,01"}});
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox("Plane distance can't be less than 0,0254mm")});
  EXPECT_EQ(t.text("Edit132"), "0,0254");
}

// ---------------------------------------------------------------------------
// Inputs with no finite result end the solve with the framework's error box.

class BadInputs : public ::testing::Test {
 protected:
  BadInputs() {
    t.selectRadio("RadioGroup3", 0);  // internal: the base copper alone
    t.form("Form6").show();
    t.click("Form6.CheckBox1");  // copper typed
    t.takeMessages();
    t.takeSolves();
  }
  ConductorPage p;
  TestProgram& t = p.t;
};

// With no copper the corrected width 1.5 x 0 fails again: one notice, one
// nested solve, and the solve ends without results.
TEST_F(BadInputs, AZeroThicknessCorrectsTheWidthOnceAndEnds) {
  const std::string current = t.text("Edit17");
  EnterAll(t, {{"Edit136", "0"}, {"Edit15", "0"}});
  EXPECT_EQ(t.takeMessages(),
            std::vector<Message>{InfoBox("Conductor width can't be less than or equal to conductor thickness")});
  EXPECT_EQ(t.takeSolves(), 2);
  EXPECT_EQ(t.text("Edit15"), "0");
  EXPECT_EQ(t.text("Edit17"), current);
  // Every later solve corrects once again, and no more.
  t.pressEnter("Edit15");
  EXPECT_EQ(t.takeMessages().size(), 1u);
  EXPECT_EQ(t.takeSolves(), 2);
}

TEST_F(BadInputs, AZeroAreaRaisesTheDivisionErrorBeforeAnyCurrent) {
  const std::string current = t.text("Edit17");
  EnterAll(t, {{"Edit136", "0"}, {"Edit15", "10"}});
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{ErrorBox("Floating point division by zero")});
  EXPECT_EQ(t.text("Edit17"), current);
}

TEST_F(BadInputs, AZeroParallelCountRaisesTheDivisionErrorWithNoTexts) {
  EnterAll(t, {{"Edit136", "1.4"}});
  t.selectRadio("RadioGroup15", 1);
  const std::string area = t.text("Edit16");
  const std::string current = t.text("Edit17");
  t.takeMessages();
  EnterAll(t, {{"Edit128", "0"}});
  EXPECT_EQ(t.takeMessages(), (std::vector<Message>{InfoBox("Parallel conductor count can't be less than 2"),
                                                    ErrorBox("Floating point division by zero")}));
  ExpectTexts(t, {{"Edit128", "2"}, {"Edit16", area}, {"Edit17", current}});
}

TEST_F(BadInputs, AZeroFrequencyKeepsTheResultsBeforeTheSkinDepth) {
  EnterAll(t, {{"Edit136", "1.4"}, {"Edit15", "4.2"}});
  const std::string depth = t.text("Edit129");
  const std::string dbm = t.text("Edit135");
  EnterAll(t, {{"Edit15", "10"}, {"Edit130", "0"}});
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{ErrorBox("Floating point division by zero")});
  ExpectTexts(t, {{"Edit16", "12.04 Sq.mils"},  // (10 - 1.4) x 1.4
                  {"Edit129", depth},
                  {"Edit135", dbm}});
}

}  // namespace
}  // namespace cq::test

namespace cq::test {
namespace {

// Tab moves between the six inputs only; results and unit boxes are skipped.
TEST(ConductorPropertiesPage, OnlyTheInputBoxesAreTabStops) {
  TestProgram p;
  std::vector<std::string> stops;
  for (Control* c : p.form().control("GroupBox5").children())
    if (dynamic_cast<Edit*>(c) && c->tabStop()) stops.push_back(c->name());
  std::sort(stops.begin(), stops.end());
  EXPECT_EQ(stops, (std::vector<std::string>{"Edit126", "Edit128", "Edit130", "Edit132", "Edit15", "Edit18"}));
}

}  // namespace
}  // namespace cq::test
