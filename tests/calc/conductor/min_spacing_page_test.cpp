// The Min Conductor Spacing page as a user drives it: every table cell in
// both unit systems and both decimal forms, the rule above 500 V with its
// voltage check, and the radios that solve without the temperature steps.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "support/display_modes.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

// The millimetre cells of the IPC-2221B electrical-spacing table; rows are
// the voltage ranges "0 -15V" .. "301 - 500V", columns B1 B2 B3 B4 A5 A6 A7.
const std::array<std::array<const char*, 7>, 9> kMillimetres = {{
    {"0.05", "0.10", "0.10", "0.05", "0.13", "0.13", "0.13"},
    {"0.05", "0.10", "0.10", "0.05", "0.13", "0.25", "0.13"},
    {"0.10", "0.60", "0.60", "0.13", "0.13", "0.40", "0.13"},
    {"0.10", "0.60", "1.50", "0.13", "0.13", "0.50", "0.13"},
    {"0.20", "0.60", "3.20", "0.40", "0.40", "0.80", "0.40"},
    {"0.20", "1.25", "3.20", "0.40", "0.40", "0.80", "0.40"},
    {"0.20", "1.25", "6.40", "0.40", "0.40", "0.80", "0.40"},
    {"0.20", "1.25", "12.50", "0.40", "0.40", "0.80", "0.80"},
    {"0.25", "2.50", "12.50", "0.80", "0.80", "1.50", "0.80"},
}};

// Mils: the millimetre value / 0.0254, two decimals (worked by hand).
const std::map<std::string, std::string> kMils = {
    {"0.05", "1.97"},     // 0.05 / 0.0254 = 1.9685...
    {"0.10", "3.94"},     // 3.9370...
    {"0.13", "5.12"},     // 5.1181...
    {"0.20", "7.87"},     // 7.8740...
    {"0.25", "9.84"},     // 9.8425...
    {"0.40", "15.75"},    // 15.7480...
    {"0.50", "19.69"},    // 19.6850...
    {"0.60", "23.62"},    // 23.6220...
    {"0.80", "31.50"},    // 31.4960...
    {"1.25", "49.21"},    // 49.2125...
    {"1.50", "59.06"},    // 59.0551...
    {"2.50", "98.43"},    // 98.4251...
    {"3.20", "125.98"},   // 125.9842...
    {"6.40", "251.97"},   // 251.9685...
    {"12.50", "492.13"},  // 492.1259...
};

class SpacingTable : public ::testing::TestWithParam<Display> {};

TEST_P(SpacingTable, EveryCellShowsItsFixedText) {
  const Display form = GetParam();
  TestProgram t(DecimalStart(form.comma));
  OpenCalculator(t, "ConductorSpacing1", form.metric);
  Edit& result = t.form().edit("Edit51");
  for (int range = 0; range < 9; ++range) {
    t.selectRadio("RadioGroup9", range);
    for (int device = 0; device < 7; ++device) {
      // A stale text must not pass for the cell: the last solve writes it.
      result.setText("stale");
      t.selectRadio("RadioGroup10", (device + 1) % 7);
      t.selectRadio("RadioGroup10", device);
      const std::string mm = kMillimetres[static_cast<size_t>(range)][static_cast<size_t>(device)];
      std::string expected = form.metric ? mm + " mm" : kMils.at(mm) + " mils";
      if (form.comma) expected = WithComma(expected);
      EXPECT_EQ(t.text("Edit51"), expected) << "range " << range << " device " << device;
    }
  }
  EXPECT_TRUE(t.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(UnitsAndDecimals, SpacingTable,
                         AllDisplays(), NameOfDisplay());

// ---------------------------------------------------------------------------
// Above 500 V: base + (V - 500) x rate, four decimals.

void chooseAbove500V(TestProgram& t) {
  t.selectRadio("RadioGroup9", 9);
  t.takeMessages();
  t.takeSolves();
}

TEST(SpacingAbove500V, FiveHundredVoltsIsRaisedTo501WithANestedSolve) {
  TestProgram t;
  OpenCalculator(t, "ConductorSpacing1");
  chooseAbove500V(t);
  Enter(t, "Edit79", "500");
  EXPECT_EQ(t.takeMessages(),
            (std::vector<Message>{InfoBox("Voltage must be equal to or greater than 501V")}));
  EXPECT_EQ(t.text("Edit79"), "501");
  EXPECT_EQ(t.takeSolves(), 2);  // Enter's solve and the nested one
  // B1: 9.8425 + 1 x 0.098425 = 9.940925
  EXPECT_EQ(t.text("Edit51"), "9.9409 mils");
}

TEST(SpacingAbove500V, At501VoltsEachDeviceGetsItsBasePlusOneRate) {
  TestProgram t;
  OpenCalculator(t, "ConductorSpacing1");
  chooseAbove500V(t);
  Enter(t, "Edit79", "501");
  EXPECT_TRUE(t.takeMessages().empty());
  EXPECT_EQ(t.takeSolves(), 1);
  // Imperial bases plus one rate: B1 9.8425 + 0.098425 = 9.940925,
  // B2 98.42519 + 0.19685 = 98.62204, B3 492.12598 + 0.984252 = 493.110232,
  // B4/A5/A7 31.49606 + 0.12007 = 31.61613, A6 59.05512 + 0.12007 = 59.17519.
  const std::array<const char*, 7> expected = {"9.9409 mils",  "98.6220 mils", "493.1102 mils", "31.6161 mils",
                                               "31.6161 mils", "59.1752 mils", "31.6161 mils"};
  for (int device = 0; device < 7; ++device) {
    t.selectRadio("RadioGroup10", device);
    EXPECT_EQ(t.text("Edit51"), expected[static_cast<size_t>(device)]) << device;
  }
}

TEST(SpacingAbove500V, TheMetricRuleAt501Volts) {
  TestProgram t;
  OpenCalculator(t, "ConductorSpacing1", true);
  t.selectRadio("RadioGroup9", 9);
  // B1: 0.25 + 1 x 0.0025 = 0.2525; the design text "501" needs no correction.
  EXPECT_EQ(t.text("Edit51"), "0.2525 mm");
  EXPECT_TRUE(t.takeMessages().empty());
}

struct LargeVoltage {
  bool metric;
  bool comma;
  std::array<const char*, 7> texts;
};

TEST(SpacingAbove500V, AMegavoltUsesTheListedConstantsInBothUnits) {
  // V = 1000000, so V - 500 = 999500:
  //   B1 mils 9.8425 + 999500 x 0.098425 = 98385.63
  //   B2 mils 98.42519 + 999500 x 0.19685 = 196850.00019
  //   B3 mils 492.12598 + 999500 x 0.984252 = 984251.99998 -> 984252.0000
  //   B4, A5, A7 mils 31.49606 + 999500 x 0.12007 = 120041.46106
  //   A6 mils 59.05512 + 999500 x 0.12007 = 120069.02012
  //   mm: 0.25 + 2498.75, 2.5 + 4997.5, 12.5 + 24987.5, 0.8 + 3048.475, 1.5 + 3048.475
  const std::vector<LargeVoltage> cases = {
      {false,
       false,
       {"98385.6300 mils", "196850.0002 mils", "984252.0000 mils", "120041.4611 mils", "120041.4611 mils",
        "120069.0201 mils", "120041.4611 mils"}},
      {true,
       false,
       {"2499.0000 mm", "5000.0000 mm", "25000.0000 mm", "3049.2750 mm", "3049.2750 mm", "3049.9750 mm",
        "3049.2750 mm"}},
      {true,
       true,
       {"2499,0000 mm", "5000,0000 mm", "25000,0000 mm", "3049,2750 mm", "3049,2750 mm", "3049,9750 mm",
        "3049,2750 mm"}},
  };
  for (const auto& c : cases) {
    TestProgram t(DecimalStart(c.comma));
    OpenCalculator(t, "ConductorSpacing1", c.metric);
    chooseAbove500V(t);
    Enter(t, "Edit79", "1000000");
    for (int device = 0; device < 7; ++device) {
      t.selectRadio("RadioGroup10", device);
      EXPECT_EQ(t.text("Edit51"), c.texts[static_cast<size_t>(device)]) << device << (c.metric ? " mm" : " mils");
    }
    EXPECT_TRUE(t.messages().empty());
  }
}

TEST(SpacingAbove500V, ALowVoltageLeftInTheFieldIsCorrectedWhenAnotherRangeIsChosen) {
  TestProgram t;
  OpenCalculator(t, "ConductorSpacing1");
  chooseAbove500V(t);
  t.type("Edit79", "100");  // not confirmed with Enter
  t.selectRadio("RadioGroup9", 0);
  EXPECT_EQ(t.takeMessages(),
            (std::vector<Message>{InfoBox("Voltage must be equal to or greater than 501V")}));
  EXPECT_EQ(t.text("Edit79"), "501");
  EXPECT_EQ(t.text("Edit51"), "1.97 mils");
  EXPECT_FALSE(t.enabled("Edit79"));
  EXPECT_FALSE(t.enabled("Label21"));
}

TEST(SpacingAbove500V, AVoltageThatIsNoNumberStopsEverySolveAndKeepsTheResult) {
  TestProgram t;
  OpenCalculator(t, "ConductorSpacing1");
  chooseAbove500V(t);
  Enter(t, "Edit79", "1000");
  // B1: 9.8425 + 500 x 0.098425 = 59.055
  ASSERT_EQ(t.text("Edit51"), "59.0550 mils");
  Enter(t, "Edit79", "12x");
  t.selectRadio("RadioGroup9", 2);
  const auto shown = t.takeMessages();
  ASSERT_EQ(shown.size(), 2u);
  for (const auto& m : shown) EXPECT_EQ(m.text, "'12x' is not a valid floating point value");
  EXPECT_EQ(t.text("Edit51"), "59.0550 mils");
  EXPECT_FALSE(t.enabled("Edit79"));
}

// ---------------------------------------------------------------------------
// The radios.

TEST(SpacingRadios, TheVoltageFieldTakesInputOnlyAbove500V) {
  TestProgram t;
  OpenCalculator(t, "ConductorSpacing1");
  EXPECT_FALSE(t.enabled("Edit79"));
  EXPECT_FALSE(t.enabled("Label21"));
  t.selectRadio("RadioGroup9", 9);
  EXPECT_TRUE(t.enabled("Edit79"));
  EXPECT_TRUE(t.enabled("Label21"));
  t.selectRadio("RadioGroup9", 8);
  EXPECT_FALSE(t.enabled("Edit79"));
  EXPECT_FALSE(t.enabled("Label21"));
}

TEST(SpacingRadios, EachDeviceTypeShowsOnePictureAndB3TheAltitudeNote) {
  const std::array<const char*, 6> pictures = {"Image38", "Image39", "Image37", "Image40", "Image41", "Image42"};
  const std::array<const char*, 7> expected = {"Image38", "Image39", "Image39", "Image37",
                                               "Image40", "Image41", "Image42"};
  TestProgram t;
  OpenCalculator(t, "ConductorSpacing1");
  for (int device : {1, 2, 3, 4, 5, 6, 0}) {
    t.selectRadio("RadioGroup10", device);
    std::vector<std::string> shown;
    for (const char* p : pictures)
      if (t.showing(p)) shown.push_back(p);
    EXPECT_EQ(shown, std::vector<std::string>{expected[static_cast<size_t>(device)]}) << device;
    EXPECT_EQ(t.showing("Label168"), device == 2) << device;
  }
  EXPECT_EQ(t.text("Label168"), "+3050m");
}

TEST(SpacingRadios, RadiosSolveDirectlyWithoutTheTemperatureSteps) {
  TestProgram t;
  OpenCalculator(t, "ConductorSpacing1");
  // An out-of-range temperature rise would be reported by the full solve.
  t.form().edit("Edit1").setText("300");
  t.takeSolves();
  t.selectRadio("RadioGroup10", 2);
  t.selectRadio("RadioGroup9", 7);
  EXPECT_EQ(t.text("Edit51"), "492.13 mils");
  EXPECT_EQ(t.takeSolves(), 0);
  EXPECT_TRUE(t.takeMessages().empty());
  t.click("Button1");
  EXPECT_EQ(t.takeMessages(),
            (std::vector<Message>{InfoBox("Maximum temperature rise can't be greater than 200C")}));
}

TEST(SpacingPage, TheFirstSolveReplacesTheDesignTextAndTheChoicesSurviveAVisit) {
  TestProgram t;
  EXPECT_EQ(t.text("Edit51"), "0.05mm");
  OpenCalculator(t, "ConductorSpacing1");
  EXPECT_EQ(t.text("Edit51"), "1.97 mils");
  t.selectRadio("RadioGroup9", 4);
  t.selectRadio("RadioGroup10", 2);
  t.chooseMenu("PDNImpedance1");
  t.chooseMenu("ConductorSpacing1");
  EXPECT_EQ(t.itemIndex("RadioGroup9"), 4);
  EXPECT_EQ(t.itemIndex("RadioGroup10"), 2);
  EXPECT_EQ(t.text("Edit51"), "125.98 mils");
  EXPECT_TRUE(t.showing("Label168"));
}

}  // namespace
}  // namespace cq::test
