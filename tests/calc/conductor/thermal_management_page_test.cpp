// The Thermal Management page as the user drives it. Expected texts by
// hand: Tj = P x theta + Ta; the defaults give 5 x 3 + 22 = 37 and
// 5 x 25 + 22 = 147.
#include <gtest/gtest.h>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

class ThermalManagement : public ::testing::Test {
 protected:
  explicit ThermalManagement(StartOptions options = {}) : p(options) {
    p.chooseMenu("ThermalManagement1");
    p.takeMessages();
  }
  void solveWith(const std::string& field, const std::string& text) { Enter(p, field, text); }
  void expectJunctions(const std::string& device, const std::string& heatSink) {
    EXPECT_EQ(p.text("Edit119"), device);
    EXPECT_EQ(p.text("Edit123"), heatSink);
  }

  TestProgram p;
};

TEST_F(ThermalManagement, ActivationSolvesTheDefaults) {
  expectJunctions("37.000 °C", "147.000 °C");
  EXPECT_EQ(p.text("Label27"), "N/A");
  EXPECT_EQ(p.text("Label28"), "N/A");
  EXPECT_TRUE(p.messages().empty());
}

TEST_F(ThermalManagement, NoPowerGivesTheAmbientTemperature) {
  solveWith("Edit117", "0");
  solveWith("Edit124", "0");
  expectJunctions("22.000 °C", "22.000 °C");
  EXPECT_TRUE(p.messages().empty());
}

// The ambient is bounded twice per solve (pre-solve and the solver's own
// first step); the message shows once and both results use the limit.
TEST_F(ThermalManagement, AmbientLimitsWithOneMessagePerSolve) {
  struct Case {
    const char *typed, *message, *fieldAfter, *device, *heatSink;
  };
  for (const Case& c : {Case{"201", "Maximum ambient temperature can't be greater than 200C", "200", "215.000 °C",
                             "325.000 °C"},  // 15 + 200, 125 + 200
                        Case{"200", nullptr, "200", "215.000 °C", "325.000 °C"},
                        Case{"-81", "Minimum ambient temperature can't be less than -80C", "-80", "-65.000 °C",
                             "45.000 °C"},  // 15 - 80, 125 - 80
                        Case{"-80", nullptr, "-80", "-65.000 °C", "45.000 °C"}}) {
    SCOPED_TRACE(c.typed);
    solveWith("Edit2", c.typed);
    auto messages = p.takeMessages();
    if (c.message) {
      EXPECT_EQ(messages, (std::vector<Message>{InfoBox(c.message)}));
    } else {
      EXPECT_TRUE(messages.empty());
    }
    EXPECT_EQ(p.text("Edit2"), c.fieldAfter);
    expectJunctions(c.device, c.heatSink);
  }
}

TEST_F(ThermalManagement, UnitSystemChosenElsewhereChangesNothing) {
  EXPECT_FALSE(p.enabled("RadioGroup6"));
  p.chooseMenu("FuseCurrent1");
  ToMetric(p);
  p.chooseMenu("ThermalManagement1");
  expectJunctions("37.000 °C", "147.000 °C");
}

TEST_F(ThermalManagement, ErrorsEndTheSolveAfterTheDeviceResult) {
  // A product beyond the double range: the device row is already written.
  p.type("Edit117", "2");  // 2 x 3 + 22 = 28
  p.type("Edit121", "1E200");
  solveWith("Edit124", "1E200");
  EXPECT_EQ(p.takeMessages(), (std::vector<Message>{ErrorBox("Floating point overflow")}));
  expectJunctions("28.000 °C", "147.000 °C");

  // Text that is no number: neither row changes.
  p.type("Edit124", "5");
  solveWith("Edit116", "abc");
  EXPECT_EQ(p.takeMessages(),
            (std::vector<Message>{ErrorBox("'abc' is not a valid floating point value")}));
  expectJunctions("28.000 °C", "147.000 °C");
}

class ThermalManagementComma : public ThermalManagement {
 protected:
  ThermalManagementComma() : ThermalManagement(CommaStart()) {}
};

TEST_F(ThermalManagementComma, ResultsCarryOneComma) {
  expectJunctions("37,000 °C", "147,000 °C");
  solveWith("Edit117", "0,5");  // 0.5 x 3 + 22
  EXPECT_EQ(p.text("Edit119"), "23,500 °C");
}

}  // namespace
}  // namespace cq::test
