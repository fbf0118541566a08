#include "calc/conductor/copper_resistivity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

namespace cq {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct BandCase {
  bool metric;
  double conductorTemp;
  double base;
};

std::ostream& operator<<(std::ostream& os, const BandCase& c) {
  return os << (c.metric ? "Metric" : "Imperial") << " Tc " << c.conductorTemp;
}

class ResistivityBandEdges : public ::testing::TestWithParam<BandCase> {};

TEST_P(ResistivityBandEdges, BaseValueOfTheBand) {
  EXPECT_EQ(CopperResistivityBands(GetParam().conductorTemp, GetParam().metric), GetParam().base);
}

// The resistivity table, upper edges inclusive: each edge belongs to the
// band below it, the next value up to the band above.
struct EdgeRow {
  double edge;
  double imperialAt, imperialAbove;
  double metricAt, metricAbove;
};

const std::vector<EdgeRow> kEdges = {
    {-40, 0.000519, 0.000572, 0.02043, 0.02252},
    {-20, 0.000572, 0.000625, 0.02252, 0.02461},
    {0, 0.000625, 0.0006787, 0.02461, 0.02672},
    {20, 0.0006787, 0.000732, 0.02672, 0.02882},
    {40, 0.000732, 0.000785, 0.02882, 0.03091},
    {60, 0.000785, 0.000839, 0.03091, 0.03303},
    // Above 80 the value stays that of the 60 to 80 band.
    {80, 0.000839, 0.000839, 0.03303, 0.03303},
};

std::vector<BandCase> EdgeCases() {
  std::vector<BandCase> cases;
  for (const EdgeRow& row : kEdges) {
    double below = std::nextafter(row.edge, -kInf);
    double above = std::nextafter(row.edge, kInf);
    cases.push_back({false, below, row.imperialAt});
    cases.push_back({false, row.edge, row.imperialAt});
    cases.push_back({false, above, row.imperialAbove});
    cases.push_back({true, below, row.metricAt});
    cases.push_back({true, row.edge, row.metricAt});
    cases.push_back({true, above, row.metricAbove});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryEdge, ResistivityBandEdges, ::testing::ValuesIn(EdgeCases()));
INSTANTIATE_TEST_SUITE_P(
    Extremes, ResistivityBandEdges,
    ::testing::Values(BandCase{false, -kInf, 0.000519}, BandCase{true, -273, 0.02043},
                      BandCase{false, 200, 0.000839}, BandCase{true, kInf, 0.03303}));

TEST(CopperResistivity, NoNumberGivesNoNumber) {
  EXPECT_TRUE(std::isnan(CopperResistivityBands(kNaN, false)));
  EXPECT_TRUE(std::isnan(CopperResistivity(kNaN, true)));
}

TEST(CopperResistivity, AtTwentyDegreesTheBaseValueItself) {
  // (20 - 20) x 0.00393 + 1 is exactly 1.
  EXPECT_EQ(CopperResistivity(20, false), 0.0006787);
  EXPECT_EQ(CopperResistivity(20, true), 0.02672);
}

struct CorrectedCase {
  const char* source;
  bool metric;
  double conductorTemp;
  double resistivity;
};

std::ostream& operator<<(std::ostream& os, const CorrectedCase& c) { return os << c.source; }

class CorrectedResistivity : public ::testing::TestWithParam<CorrectedCase> {};

TEST_P(CorrectedResistivity, BaseTimesTheTemperatureCoefficient) {
  const CorrectedCase& c = GetParam();
  EXPECT_NEAR(CopperResistivity(c.conductorTemp, c.metric), c.resistivity, c.resistivity * 1e-14);
}

INSTANTIATE_TEST_SUITE_P(
    HandCalculations, CorrectedResistivity,
    ::testing::Values(
        // 0.000839 x (1 + 0.00393 x 180) = 0.000839 x 1.7074
        CorrectedCase{"Tc 200", false, 200, 0.0014325086},
        // 0.000519 x (1 + 0.00393 x -80) = 0.000519 x 0.6856
        CorrectedCase{"Tc -60", false, -60, 0.0003558264},
        // 0.02882 x (1 + 0.00393 x 5) = 0.02882 x 1.01965
        CorrectedCase{"Tc 25 Metric", true, 25, 0.029386313},
        // 0.000732 x (1 + 0.00393 x 20) = 0.000732 x 1.0786
        CorrectedCase{"Tc 40", false, 40, 0.0007895352}));

// Each band starts above where the one below ends, so the corrected value
// never falls as the conductor warms.
TEST(CopperResistivity, NeverFallsAsTheConductorWarms) {
  for (bool metric : {false, true}) {
    double previous = -kInf;
    for (double tc = -300; tc <= 300; tc += 0.25) {
      double resistivity = CopperResistivity(tc, metric);
      EXPECT_GE(resistivity, previous) << tc;
      previous = resistivity;
    }
  }
}

}  // namespace
}  // namespace cq
