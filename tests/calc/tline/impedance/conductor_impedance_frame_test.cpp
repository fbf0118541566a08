// The Conductor Impedance frame as a user meets it: the activation, the
// Er, W and H checks with their nested solves and the copper text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/tline/impedance/structure_steps.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

constexpr const char* kErMessage = "Minimum Er value can't be less than or equal to 1";
constexpr const char* kWidthMessage = "Conductor width cannot be less than or equal to zero.";

TEST(ConductorImpedanceActivation, SelectsMicrostripAndFillsTheInformationRows) {
  for (bool comma : {false, true}) {
    TestProgram t(DecimalStart(comma));
    // The via page fills the thermal-resistance rows that this page does not use.
    t.chooseMenu("ViaProperties1");
    t.chooseMenu("RFImpedances1");
    EXPECT_EQ(t.main().CurrentCalculator, 1);
    EXPECT_TRUE(t.showing("GroupBox15"));
    EXPECT_EQ(t.text("RadioGroup3"), " Passive Circuits ");
    EXPECT_EQ(t.itemIndex("RadioGroup3"), 0);
    EXPECT_EQ(t.items("RadioGroup5"),
              (std::vector<std::string>{comma ? "0,5oz / 1oz" : "0.5oz / 1oz", "2oz"}));
    EXPECT_EQ(t.setting("Program"), "1");
    for (const char* na : {"Label72", "Label110", "Label285", "Label27", "Label28"})
      EXPECT_EQ(t.text(na), "N/A") << na << (comma ? " comma" : " point");
    EXPECT_EQ(t.text("Label100"), "Conductor Width (W)");
    EXPECT_EQ(t.text("Label103"), "Zo");
    EXPECT_FALSE(t.showing("RadioGroup24"));
    // The defaults solved (python3, the microstrip chain).
    EXPECT_EQ(t.text("Edit70"), comma ? "83,6097 Ohms" : "83.6097 Ohms");
    EXPECT_TRUE(t.takeMessages().empty());
  }
}

// Each refused input: message once, corrected text, one nested solve, and
// the results of the corrected input (python3, the microstrip chain with
// Er 1.01 -> 142.0135 Ohms; W 1 mil -> 120.1713 Ohms; Metric H 0.0254 mm
// -> 22.6628 Ohms).
struct FrameCheck {
  bool metric, comma;
  const char* field;
  const char* typed;
  const char* message;
  const char* corrected;
  const char* zo;
};

TEST(ConductorImpedanceFrame, RefusedInputsAreCorrectedAndSolvedAgain) {
  const FrameCheck cases[] = {
      {false, false, "Edit7", "1", kErMessage, "1.01", "142.0135 Ohms"},
      {false, false, "Edit7", "-2", kErMessage, "1.01", "142.0135 Ohms"},
      {false, true, "Edit7", "0,5", kErMessage, "1,01", "142,0135 Ohms"},
      {false, false, "Edit67", "0", kWidthMessage, "1", "120.1713 Ohms"},
      {false, true, "Edit67", "-3", kWidthMessage, "1", "120,1713 Ohms"},
      {true, false, "Edit68", "0", kHeightMessage, "0.0254", "22.6628 Ohms"},
      {true, true, "Edit68", "-1", kHeightMessage, "0,0254", "22,6628 Ohms"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " " + c.typed + (c.metric ? " metric" : "") + (c.comma ? " comma" : ""));
    TestProgram t(DecimalStart(c.comma));
    OpenCalculator(t, "RFImpedances1");
    if (c.metric) ToMetric(t);
    t.takeSolves();
    Enter(t, c.field, c.typed);
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{InfoBox(c.message)}));
    EXPECT_EQ(t.text(c.field), c.corrected);
    EXPECT_EQ(t.takeSolves(), 2);
    EXPECT_EQ(t.text("Edit70"), c.zo);
  }
}

// Three refusals at once: each message once, each nested solve counted.
TEST(ConductorImpedanceFrame, EveryRefusalNestsOneSolveMore) {
  TestProgram t;
  OpenCalculator(t, "RFImpedances1");
  EnterAll(t, {{"Edit7", "1"}, {"Edit67", "0"}, {"Edit68", "0"}});
  EXPECT_EQ(t.takeMessages(), (std::vector<Message>{InfoBox(kErMessage), InfoBox(kWidthMessage),
                                                    InfoBox(kHeightMessage)}));
  EXPECT_EQ(t.takeSolves(), 4);
  ExpectTexts(t, {{"Edit7", "1.01"}, {"Edit67", "1"}, {"Edit68", "1"}});
}

TEST(ConductorImpedanceFrame, TextThatIsNoNumberEndsTheSolveAndKeepsTheResults) {
  for (const char* field : {"Edit7", "Edit67", "Edit68", "Edit226"}) {
    TestProgram t;
    OpenCalculator(t, "RFImpedances1");
    Enter(t, field, "abc");
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{ErrorBox("'abc' is not a valid floating point value")}))
        << field;
    EXPECT_EQ(t.text("Edit70"), "83.6097 Ohms") << field;
  }
}

// Manual copper in Metric: 18 um base and 35 um plating; the outer
// microstrip counts both (53), the inner asymmetric stripline the base only.
TEST(ConductorImpedanceFrame, ManualCopperInMetricGivesTheCopperText) {
  TestProgram t;
  OpenCalculator(t, "RFImpedances1", true);
  t.form("Form6").show();
  t.click("Form6.CheckBox1");
  EnterAll(t, {{"Edit136", "18"}, {"Edit138", "35"}, {"Edit67", "0.127"}});
  EXPECT_EQ(t.text("Label56"), " 53 um");
  t.selectRadio("RadioGroup3", 3);
  EXPECT_EQ(t.text("Label56"), " 18 um");
}

}  // namespace
}  // namespace cq::test
