// The Bandwidth & Max Conductor Length page as a user drives it: the worked
// 1 ns example in both unit systems and layers, the frequency mode, the Er
// check with its nested solve, the track bars and the failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {


// The page with Er 4.6 (FR-4) and the form's 1 ns, 0.25Sr and 1/7.
void openBandwidth(TestProgram& t, const char* er = "4.6") {
  OpenCalculatorWith(t, "SignalProperties1", {{"Edit7", er}});
}

struct Results {
  std::string bandwidth, wavelength, riseLength, speed, wavelengthLength;
  friend bool operator==(const Results&, const Results&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Results& r) {
    return os << r.bandwidth << " | " << r.wavelength << " | " << r.riseLength << " | " << r.speed << " | "
              << r.wavelengthLength;
  }
};

Results results(TestProgram& t) {
  return {t.text("Edit22"), t.text("Edit23"), t.text("Edit24"), t.text("Edit43"), t.text("Edit45")};
}

// The typed rise time ends the solve with the error box before any result
// is written.
void expectRiseTimeEndsTheSolve(TestProgram& t, const char* typed, const char* message) {
  const Results before = results(t);
  Enter(t, "Edit19", typed);
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{ErrorBox(message)});
  EXPECT_EQ(results(t), before);
}

// tr 1 ns, Er 4.6 (python3):
//   BW = 0.35 / 1 x 1000 = 350 MHz; lambda = 299792458 / 350 x 0.0001
//     = 85.65499 cm = 33.72244 in; x 0.142857 = 12.23641 cm, 4.81749 in
//   microstrip Ee = 0.457 x 4.6 + 0.67 = 2.7722,
//     Sr = 1e-9 x 299792458 / sqrt(2.7722) m; x 0.25 = 1.77221 in, 4.50141 cm
//   stripline Ee = 4.6: 1.37578 in; speed 299792458 / sqrt(4.6)
TEST(BandwidthPage, TheOneNanosecondExampleInBothUnitsAndLayers) {
  TestProgram t;
  openBandwidth(t);
  EXPECT_EQ(t.main().CurrentCalculator, 0);
  EXPECT_EQ(results(t), (Results{"350.00000 MHz", "33.72244 Inches", "1.77221 Inches", "139778954.280 m/s",
                                 "4.81749 Inches"}));
  t.selectRadio("RadioGroup3", 1);
  EXPECT_EQ(results(t), (Results{"350.00000 MHz", "33.72244 Inches", "1.37578 Inches", "139778954.280 m/s",
                                 "4.81749 Inches"}));
  t.selectRadio("RadioGroup3", 0);
  ToMetric(t);
  EXPECT_EQ(results(t),
            (Results{"350.00000 MHz", "85.65499 cm", "4.50141 cm", "139778954.280 m/s", "12.23641 cm"}));
  // The Units switch converts no field of this page.
  EXPECT_EQ(t.text("Edit19"), "1");
  EXPECT_TRUE(t.takeMessages().empty());
}

TEST(BandwidthPage, EveryResultCarriesACommaInCommaMode) {
  TestProgram t(DecimalStart(true));
  openBandwidth(t, "4,6");
  EXPECT_EQ(results(t), (Results{"350,00000 MHz", "33,72244 Inches", "1,77221 Inches", "139778954,280 m/s",
                                 "4,81749 Inches"}));
}

// Position 6 is 0.5Sr: 1.77221 x 2 = 3.54442 in (python3: 3.54442);
// position 3 of the lambda bar is 1/20: 33.72244 x 0.05 = 1.68612 in.
TEST(BandwidthPage, TheTrackBarsWriteTheirCaptionsAndSolve) {
  TestProgram t;
  openBandwidth(t);
  EXPECT_EQ(t.text("Edit44"), "0.25Sr");
  EXPECT_EQ(t.text("Edit47"), "1/7");
  t.moveTrackBar("TrackBar2", 6);
  EXPECT_EQ(t.takeSolves(), 1);
  EXPECT_EQ(t.text("Edit44"), "0.5Sr");
  EXPECT_EQ(t.text("Edit24"), "3.54442 Inches");
  t.moveTrackBar("TrackBar3", 3);
  EXPECT_EQ(t.takeSolves(), 1);
  EXPECT_EQ(t.text("Edit47"), "1/20");
  EXPECT_EQ(t.text("Edit45"), "1.68612 Inches");
  t.moveTrackBar("TrackBar3", 0);
  EXPECT_EQ(t.text("Edit47"), "1/4");
}

TEST(BandwidthPage, TheSrCaptionTakesItsCommaFormOnlyOnceTheBarMoves) {
  TestProgram t(DecimalStart(true));
  openBandwidth(t, "4,6");
  EXPECT_EQ(t.text("Edit44"), "0.25Sr");
  t.moveTrackBar("TrackBar2", 2);
  EXPECT_EQ(t.text("Edit44"), "0,3Sr");
}

TEST(BandwidthPage, FrequencyModeGivesOnlyTheWavelengthAndItsFraction) {
  TestProgram t;
  openBandwidth(t);
  const Results riseTime = results(t);
  t.selectRadio("RadioGroup12", 1);
  EXPECT_EQ(t.text("Edit19"), "100");
  EXPECT_EQ(t.text("Label30"), "Frequency");
  EXPECT_EQ(t.control("Edit19").hint(), "Enter the signal frequency.");
  EXPECT_TRUE(t.showing("RadioGroup20"));
  EXPECT_EQ(t.itemIndex("RadioGroup20"), 1);
  EXPECT_FALSE(t.showing("GroupBox41"));
  EXPECT_FALSE(t.enabled("RadioGroup3"));
  EXPECT_EQ(t.text("Edit279"), "MHz");
  EXPECT_EQ(t.control("Edit279").bounds().left, 132);
  EXPECT_EQ(t.control("Edit279").bounds().width, 42);
  // 299792458 / 100 x 0.0001 / 2.54 = 118.02853 in; x 0.142857 = 16.86120
  // (the exact 1/7 would give 16.86122).
  EXPECT_EQ(t.text("Edit23"), "118.02853 Inches");
  EXPECT_EQ(t.text("Edit45"), "16.86120 Inches");
  // The rise-time group keeps its last results, hidden.
  EXPECT_EQ(t.text("Edit22"), riseTime.bandwidth);
  EXPECT_EQ(t.text("Edit24"), riseTime.riseLength);

  // Er and the layer play no part: no message, no change.
  Enter(t, "Edit7", "0.5");
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(t.text("Edit7"), "0.5");
  EXPECT_EQ(t.text("Edit23"), "118.02853 Inches");

  ToMetric(t);
  // 299792458 / 100 x 0.0001 = 299.79246 cm; x 0.142857 = 42.82745 cm.
  EXPECT_EQ(t.text("Edit23"), "299.79246 cm");
  EXPECT_EQ(t.text("Edit45"), "42.82745 cm");
}

TEST(BandwidthPage, EachFrequencyUnitPlacesItsTextAndScalesTheInput) {
  TestProgram t;
  openBandwidth(t);
  t.selectRadio("RadioGroup12", 1);
  t.takeSolves();
  // 100 GHz, 100 KHz and 100 Hz: 118.02853 in / 1000, x 1000, x 1e6.
  const struct {
    int item;
    const char* text;
    int left, width;
    const char* wavelength;
  } rows[] = {{0, "GHz", 131, 42, "0.11803 Inches"},
              {2, "KHz", 134, 42, "118028.52677 Inches"},
              {3, "Hz", 146, 28, "118028526.77165 Inches"},
              {1, "MHz", 131, 42, "118.02853 Inches"}};
  for (const auto& row : rows) {
    t.selectRadio("RadioGroup20", row.item);
    EXPECT_EQ(t.takeSolves(), 1);
    EXPECT_EQ(t.text("Edit279"), row.text);
    EXPECT_EQ(t.control("Edit279").bounds().left, row.left);
    EXPECT_EQ(t.control("Edit279").bounds().width, row.width);
    EXPECT_EQ(t.text("Edit23"), row.wavelength);
  }
  // 1 GHz: 11.80285 in.
  t.selectRadio("RadioGroup20", 0);
  Enter(t, "Edit19", "1");
  EXPECT_EQ(t.text("Edit23"), "11.80285 Inches");
}

TEST(BandwidthPage, SwitchingTheMethodResetsTheInputToItsDefault) {
  TestProgram t;
  openBandwidth(t);
  t.type("Edit19", "2");
  t.selectRadio("RadioGroup12", 1);
  EXPECT_EQ(t.text("Edit19"), "100");
  t.selectRadio("RadioGroup20", 0);
  t.selectRadio("RadioGroup12", 0);
  EXPECT_EQ(t.text("Edit19"), "1");
  EXPECT_EQ(t.text("Label30"), "Signal Risetime");
  EXPECT_EQ(t.control("Edit19").hint(), "Enter the signal risetime.");
  EXPECT_EQ(t.text("Edit279"), "ns");
  EXPECT_EQ(t.control("Edit279").bounds().left, 146);
  EXPECT_EQ(t.control("Edit279").bounds().width, 28);
  EXPECT_FALSE(t.showing("RadioGroup20"));
  EXPECT_TRUE(t.showing("GroupBox41"));
  EXPECT_TRUE(t.enabled("RadioGroup3"));
  // Back to Frequency: the hidden unit moves from GHz to MHz, which solves
  // once, and the switch solves at its end.
  t.takeSolves();
  t.selectRadio("RadioGroup12", 1);
  EXPECT_EQ(t.takeSolves(), 2);
  EXPECT_EQ(t.itemIndex("RadioGroup20"), 1);
  EXPECT_EQ(t.text("Edit23"), "118.02853 Inches");
}

// Er 1 in vacuum: speed c; microstrip Ee = 0.457 + 0.67 = 1.127,
//   Sr x 0.25 = 1e-9 x 299792458 / sqrt(1.127) x 0.25 / 2.54e-05 / 1000
//   = 2.77949 in.
TEST(BandwidthPage, ErBelowOneIsCorrectedToOneAndSolvedAgain) {
  TestProgram t;
  openBandwidth(t, "1");
  EXPECT_EQ(t.text("Edit43"), "299792458.000 m/s");
  EXPECT_TRUE(t.messages().empty());

  Enter(t, "Edit7", "0.5");
  EXPECT_EQ(t.takeMessages(),
            (std::vector<Message>{InfoBox("Minimum dielectric constant value can't be less than 1")}));
  EXPECT_EQ(t.takeSolves(), 2);
  EXPECT_EQ(t.text("Edit7"), "1");
  EXPECT_EQ(results(t), (Results{"350.00000 MHz", "33.72244 Inches", "2.77949 Inches", "299792458.000 m/s",
                                 "4.81749 Inches"}));
}

TEST(BandwidthPage, AZeroRiseTimeEndsTheSolveBeforeAnyResult) {
  TestProgram t;
  openBandwidth(t);
  const Results before = results(t);
  expectRiseTimeEndsTheSolve(t, "0", "Floating point division by zero");

  // The Er check comes first; its nested solve then fails on the same zero.
  Enter(t, "Edit7", "0.5");
  EXPECT_EQ(t.takeMessages(),
            (std::vector<Message>{InfoBox("Minimum dielectric constant value can't be less than 1"),
                                  ErrorBox("Floating point division by zero")}));
  EXPECT_EQ(t.text("Edit7"), "1");
  EXPECT_EQ(results(t), before);

  t.selectRadio("RadioGroup12", 1);
  Enter(t, "Edit19", "0");
  EXPECT_EQ(t.takeMessages(), (std::vector<Message>{ErrorBox("Floating point division by zero")}));
}

TEST(BandwidthPage, NegativeRiseTimesGiveNegativeLengths) {
  TestProgram t;
  openBandwidth(t);
  Enter(t, "Edit19", "-1");
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(results(t), (Results{"-350.00000 MHz", "-33.72244 Inches", "-1.77221 Inches", "139778954.280 m/s",
                                 "-4.81749 Inches"}));
}

TEST(BandwidthPage, TextThatIsNoNumberEndsTheSolveBeforeAnyResult) {
  TestProgram t;
  openBandwidth(t);
  expectRiseTimeEndsTheSolve(t, "1ns", "'1ns' is not a valid floating point value");
}

TEST(BandwidthPage, TheActivationKeepsThePageState) {
  TestProgram t;
  openBandwidth(t);
  t.selectRadio("RadioGroup12", 1);
  t.moveTrackBar("TrackBar3", 2);
  t.chooseMenu("WavelengthCalculator1");
  t.chooseMenu("SignalProperties1");
  EXPECT_EQ(t.itemIndex("RadioGroup12"), 1);
  EXPECT_FALSE(t.showing("GroupBox41"));
  EXPECT_EQ(t.text("Edit47"), "1/10");
  // 118.02853 x 0.1
  EXPECT_EQ(t.text("Edit45"), "11.80285 Inches");
}

}  // namespace
}  // namespace cq::test
