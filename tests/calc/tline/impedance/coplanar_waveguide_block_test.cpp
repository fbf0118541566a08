// The coplanar waveguide on the Conductor Impedance page. Expected texts:
// python3, the conformal mapping with seven AGM steps and pi = 3.14159,
// Er 4.6 (the model test holds the same figures unrounded).
#include <gtest/gtest.h>


#include "calc/tline/impedance/structure_steps.h"

namespace cq::test {
namespace {

TEST(CoplanarWaveguideBlock, ImpedanceAndTheWidthRatioRow) {
  const struct {
    const char *w, *h, *g;
    const char *zo, *ratio;
    Color colour;
  } rows[] = {
      {"5", "10", "8", "86.6408 Ohms", "0.500", colors::Black},
      {"20", "10", "5", "42.6549 Ohms", "2.000", colors::Red},   // 2.0 is outside
      {"1", "10", "5", "130.5023 Ohms", "0.100", colors::Red},   // so is 0.1
  };
  for (const auto& r : rows) {
    TestProgram t;
    OpenStructure(t, kCoplanarWave);
    EnterAll(t, {{"Edit67", r.w}, {"Edit68", r.h}, {"Edit74", r.g}});
    ExpectTexts(t, {{"Edit70", r.zo}, {"Label107", "W/H = "}, {"Label108", r.ratio}});
    EXPECT_EQ(t.fontColor("Label108"), r.colour) << r.w;
    EXPECT_TRUE(t.takeMessages().empty());
  }
}

// The layout forces 0.5oz base and 1oz plating: 0.7 + 1.4 mils, or 18 + 35
// um. The restriction texts are fixed whatever the copper.
TEST(CoplanarWaveguideBlock, CopperAndRestrictionTextsByUnitsAndDecimalMode) {
  const struct {
    bool metric, comma;
    const char *copper, *line1, *line2, *zo, *ratio;
  } rows[] = {
      {false, false, "2.10 mils", "0.1 < W/H < 2.0", "T = 2.10mils", "86.6408 Ohms", "0.500"},
      {true, false, " 53 um", "0.1 < W/H < 2.0", "T = 53um", "86.6408 Ohms", "0.500"},
      {false, true, "2,10 mils", "0,1 < W/H < 2,0", "T = 2,10mils", "86,6408 Ohms", "0,500"},
      {true, true, " 53 um", "0,1 < W/H < 2,0", "T = 53um", "86,6408 Ohms", "0,500"},
  };
  for (const auto& r : rows) {
    TestProgram t(DecimalStart(r.comma));
    OpenStructure(t, kCoplanarWave, r.metric);
    t.pressEnter("Edit74");
    ExpectTexts(t, {{"Label56", r.copper},
                    {"Label85", r.line1},
                    {"Label86", r.line2},
                    {"Edit70", r.zo},
                    {"Label108", r.ratio}});
  }
}

}  // namespace
}  // namespace cq::test
