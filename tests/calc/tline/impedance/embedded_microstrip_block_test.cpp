// The embedded microstrip on the Conductor Impedance page. Expected texts:
// python3 in inches, Er' = 4.6 (1 - exp(-1.55 H1 / H2)), Zo = 60 / sqrt(Er')
// ln(5.98 H2 / (0.8 W + T)), Tpd = sqrt(Er') 84.57 ps/in (/ 2.54 per cm).
// The worked example is in worked_examples_test.cpp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/tline/impedance/structure_steps.h"

namespace cq::test {
namespace {

const std::string kCoverMessage =
    "Conductor Height2 can't be greater than or equal to Conductor Height1 + Copper Weight";

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
