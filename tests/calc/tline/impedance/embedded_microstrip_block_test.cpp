// The embedded microstrip on the Conductor Impedance page. Expected texts:
// python3 in inches, Er' = 4.6 (1 - exp(-1.55 H1 / H2)), Zo = 60 / sqrt(Er')
// ln(5.98 H2 / (0.8 W + T)), Tpd = sqrt(Er') 84.57 ps/in (/ 2.54 per cm).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/tline/impedance/structure_steps.h"

namespace cq::test {
namespace {

const std::string kCoverMessage =
    "Conductor Height2 can't be greater than or equal to Conductor Height1 + Copper Weight";

TEST(EmbeddedMicrostripBlock, TheWorkedExamplesInBothUnitSystems) {
  TestProgram t;
  OpenStructure(t, kMicrostripEmbed);
  t.pressEnter("Edit74");
  // W 5, H1 10, H2 8 mils, copper 0.7 mils: Er' 3.9373.
  ExpectTexts(t, LineResults("70.1610 Ohms", "167.8093 ps/in", "2.3918 pF/in", "11.7737 nH/in",
                             {{"Label56", "0.70 mils"}, {"Label85", "5mils < (W) < 15mils"},
                              {"Label86", "5mils < (H1) < 15mils"}, {"Label246", "40< Ohms < 90"}, {"Label108", "5"},
                              {"Label111", "(H) = "}, {"Label112", "10"}, {"Label261", "70.1610"}}));
  EXPECT_EQ(t.fontColor("Label261"), colors::Black);

  // 0.127, 0.254, 0.2032 mm and 0.018 mm of copper.
  ToMetric(t);
  ExpectTexts(t, LineResults("70.1053 Ohms", "66.0666 ps/cm", "0.9424 pF/cm", "4.6316 nH/cm",
                             {{"Label56", " 18 um"}, {"Label86", "0.127mm < (H1) < 0.381mm"}, {"Label112", "0.254"}}));
  EXPECT_TRUE(t.takeMessages().empty());
}

// H2 8 + T 0.7 reaches past H1 8.5: the message, no field changed, and the
// results still written (python3: Zo 72.2413).
TEST(EmbeddedMicrostripBlock, AConductorAboveItsCoverIsReportedAndStillSolved) {
  TestProgram t;
  OpenStructure(t, kMicrostripEmbed);
  Enter(t, "Edit68", "8.5");
  EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox(kCoverMessage)});
  ExpectTexts(t, {{"Edit68", "8.5"}, {"Edit74", "8"}, {"Edit70", "72.2413 Ohms"}, {"Label112", "8.5"}});
  // Just under the cover: no message (8.7 < 8.71).
  Enter(t, "Edit68", "8.71");
  EXPECT_TRUE(t.takeMessages().empty());
}

}  // namespace
}  // namespace cq::test
