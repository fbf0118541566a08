// The dual stripline on the Conductor Impedance page. Expected texts:
// python3 in mils, Zo = 80 / sqrt(4.6) ln(1.9 (2H + T) / (0.8 W + T))
// (1 - H / (4 (H + C + T))), Tpd sqrt(4.6) 1.017 / 12 1000 ps/in. The
// worked example is in worked_examples_test.cpp.
#include <gtest/gtest.h>


#include "calc/tline/impedance/structure_steps.h"

namespace cq::test {
namespace {

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
