// The dual stripline on the Conductor Impedance page. Expected texts:
// python3 in mils, Zo = 80 / sqrt(4.6) ln(1.9 (2H + T) / (0.8 W + T))
// (1 - H / (4 (H + C + T))), Tpd sqrt(4.6) 1.017 / 12 1000 ps/in.
#include <gtest/gtest.h>


#include "calc/tline/impedance/structure_steps.h"

namespace cq::test {
namespace {

TEST(DualStriplineBlock, TheWorkedExamplesInBothUnitSystems) {
  TestProgram t;
  OpenStructure(t, kDualStripline);
  t.pressEnter("Edit74");
  // W 5, H 10, C 8 mils, copper 0.7 mils.
  ExpectTexts(t, LineResults("68.648 Ohms", "181.7685 ps/in", "2.6478 pF/in", "12.4780 nH/in",
                             {{"Label56", "0.70 mils"}}));
  // 0.127, 0.254, 0.2032 and 0.018 mm, taken to mils.
  ToMetric(t);
  ExpectTexts(t, LineResults("68.607 Ohms", "71.5624 ps/cm", "1.0431 pF/cm", "4.9097 nH/cm", {{"Label56", " 18 um"}}));
  EXPECT_TRUE(t.takeMessages().empty());
}

// W 60: 0.8 W + T passes 1.9 (2H + T) and Zo turns negative; Tpd is still
// positive, Co and Lo follow Zo's sign and are guarded.
TEST(DualStriplineBlock, ANegativeImpedanceGuardsCoAndLo) {
  TestProgram t;
  OpenStructure(t, kDualStripline);
  Enter(t, "Edit67", "60");
  ExpectTexts(t, LineResults("-6.905 Ohms", "181.7685 ps/in", "Error", "Error"));
  EXPECT_TRUE(t.takeMessages().empty());
}

}  // namespace
}  // namespace cq::test
