// The shared writers of the Conductor Impedance blocks: the range rows and
// their colours, the impedance row, restriction texts and the "Error"
// guard, in both decimal modes.
#include "calc/tline/impedance/impedance_output.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/main_window.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

struct Writers {
  explicit Writers(bool comma, bool metric = false)
      : t(DecimalStart(comma)), page(t.main()), controls(t.form()), s{page, controls, t.main().values, metric, nullptr} {
    OpenCalculator(t, "RFImpedances1");
  }
  TestProgram t;
  PageContext page;
  ImpedanceControls controls;
  ImpedanceSolve s;
};

struct RangeCase {
  double value, lo, hi;
  const char* text;
  bool red;
};

// Both bounds are in range; outside, the value to one decimal and the
// warning (by hand: 16 -> "16.0", 4.99 -> "5.0", 0.38115 -> "0.4").
TEST(ImpedanceRangeRow, BlackInsideBothBoundsRedWithAWarningOutside) {
  const RangeCase cases[] = {
      {5, 5, 15, "5", false},          {15, 5, 15, "15", false},
      {10.25, 5, 15, "10.25", false},  {16, 5, 15, "16.0 Warning!", true},
      {4.99, 5, 15, "5.0 Warning!", true}, {0.1269, 0.1269, 0.3811, "0.1269", false},
      {0.38115, 0.1269, 0.3811, "0.4 Warning!", true}, {-2, 5, 15, "-2.0 Warning!", true},
  };
  for (bool comma : {false, true}) {
    Writers w(comma);
    for (const auto& c : cases) {
      WriteRangeRow(w.s, w.controls.widthRow, c.value, c.lo, c.hi);
      EXPECT_EQ(w.t.text("Label108"), comma ? WithComma(c.text) : c.text) << c.value;
      EXPECT_EQ(w.t.fontColor("Label108"), c.red ? colors::Red : colors::Black) << c.value;
    }
  }
}

TEST(ImpedanceRangeRow, TheImpedanceRowHoldsFortyToNinetyOhms) {
  const RangeCase cases[] = {{40, 0, 0, "40.0000", false},
                             {90, 0, 0, "90.0000", false},
                             {56.46747, 0, 0, "56.4675", false},
                             {39.99999, 0, 0, "40.0000 Warning!", true},
                             {90.00004, 0, 0, "90.0000 Warning!", true}};
  for (bool comma : {false, true}) {
    Writers w(comma);
    for (const auto& c : cases) {
      WriteImpedanceRow(w.s, c.value);
      EXPECT_EQ(w.t.text("Label261"), comma ? WithComma(c.text) : c.text) << c.value;
      EXPECT_EQ(w.t.fontColor("Label261"), c.red ? colors::Red : colors::Black) << c.value;
    }
  }
}

TEST(ImpedanceRestriction, EveryPointBecomesACommaInCommaMode) {
  for (bool comma : {false, true}) {
    Writers w(comma);
    WriteRestriction(w.s, w.controls.restriction1, "0.1 < W/H < 2.0");
    EXPECT_EQ(w.t.text("Label85"), comma ? "0,1 < W/H < 2,0" : "0.1 < W/H < 2.0");
  }
}

// Zo -6.905 Ohms with Tpd 181.7685 ps/in: Co and Lo are negative, so a
// guarded block shows "Error" for both; an unguarded one the numbers
// (by hand: 181.7685 / -6.905 = -26.3242, 6.905^2 x -26.3242 / 1000 =
// -1.2551).
TEST(ImpedanceResults, TheGuardWritesErrorForValuesNotAboveZero) {
  Writers w(false);
  WriteImpedanceResults(w.s, -6.905, "%.3f Ohms", 181.7685, ResultGuard::ErrorIfNotPositive);
  ExpectTexts(w.t, {{"Edit70", "-6.905 Ohms"}, {"Edit77", "181.7685 ps/in"}, {"Edit76", "Error"}, {"Edit73", "Error"}});
  EXPECT_EQ(w.t.main().values.CharacteristicImpedance, -6.905);
  WriteImpedanceResults(w.s, -6.905, "%.3f Ohms", 181.7685, ResultGuard::None);
  ExpectTexts(w.t, {{"Edit76", "-26.3242 pF/in"}, {"Edit73", "-1.2551 nH/in"}});
}

// Metric: Tpd per inch / 2.54 per cm (by hand: 181.7685 / 2.54 = 71.5624).
TEST(ImpedanceResults, MetricGivesPerCentimetre) {
  Writers w(true, true);
  WriteImpedanceResults(w.s, 56.42, "%.3f Ohms", 181.7685, ResultGuard::ErrorIfNotPositive);
  ExpectTexts(w.t, {{"Edit70", "56,420 Ohms"}, {"Edit77", "71,5624 ps/cm"}});
}

}  // namespace
}  // namespace cq::test
