#include "calc/conductor/ipc_current.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/checked_math.h"
#include "platform/errors.h"

namespace cq {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Below(double edge) { return std::nextafter(edge, -kInf); }
double Above(double edge) { return std::nextafter(edge, kInf); }

// Hand values carry 15 or more significant digits, so they pin the result
// to a few ulps without depending on the last bit of pow.
void ExpectClose(double actual, double expected) {
  EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-13);
}

// Records the maths-error box; the reporter is process-wide, so it is
// removed again after each test.
class MathReports : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMathErrorReporter([this](const std::string& text) { reports_.push_back(text); });
  }
  void TearDown() override { SetMathErrorReporter(nullptr); }
  std::vector<std::string> reports_;
};

// ---------------------------------------------------------------------------
// The current relation, forward and inverse.

struct FormulaCase {
  const char* source;
  double area;
  double tempRise;
  double k;
  double modifiers;
  double current;
};

std::ostream& operator<<(std::ostream& os, const FormulaCase& c) { return os << c.source; }

class IpcFormula : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(IpcFormula, Forward) {
  const FormulaCase& c = GetParam();
  ExpectClose(IpcCurrentFormula(c.area, c.tempRise, c.k, c.modifiers), c.current);
}

TEST_P(IpcFormula, InverseGivesTheAreaBackWithoutModifiers) {
  const FormulaCase& c = GetParam();
  double unmodified = c.current / c.modifiers;
  EXPECT_NEAR(IpcCurrentFormulaInverse(unmodified, c.tempRise, c.k), c.area, c.area * 1e-12);
}

// 100^0.725 = 10^1.45 = 28.1838293126445; 10^0.44 = 2.75422870333817.
INSTANTIATE_TEST_SUITE_P(
    HandCalculations, IpcFormula,
    ::testing::Values(
        // 28.1838293126445 x 0.024 x 2.75422870333817 (four decimals: 1.8630 A)
        FormulaCase{"100 sq.mils, dT 10, k 0.024", 100, 10, kIpcK, 1, 1.86299307990886016},
        // twice the above: k 0.048 of an external layer under IPC-2221A
        FormulaCase{"100 sq.mils, dT 10, k 0.048", 100, 10, kIpcKExternal2221A, 1,
                    3.72598615981772032},
        // 1.86299307990886016 x 1.3
        FormulaCase{"100 sq.mils, dT 10, modifiers 1.3", 100, 10, kIpcK, 1.3,
                    2.42189100388151821},
        // 56^0.725 x 0.024 x 20^0.44 = 18.5106... x 0.024 x 3.73665...
        FormulaCase{"56 sq.mils, dT 20", 56, 20, kIpcK, 1, 1.65997198797554935},
        // Metric 0.1 sq.mm: 0.1 x 1550 = 155 sq.mils, 155^0.725 x 0.024 x 10^0.44
        FormulaCase{"0.1 sq.mm as 155 sq.mils, dT 10", 155, 10, kIpcK, 1, 2.55977458543366666},
        // (1 / (0.024 x 10^0.44))^(1 / 0.725) = 42.3930671489274 sq.mils
        FormulaCase{"1 A, dT 10", 42.3930671489273600, 10, kIpcK, 1, 1},
        // (2 / (0.048 x 30^0.44))^(1 / 0.725) = 21.7636430718462 sq.mils
        FormulaCase{"2 A, dT 30, k 0.048", 21.7636430718461543, 30, kIpcKExternal2221A, 1, 2}));

TEST(IpcFormula, RoundTripAcrossAreasAndTemperatureRises) {
  for (double k : {kIpcK, kIpcKExternal2221A}) {
    for (double tempRise : {0.5, 1.0, 10.0, 20.0, 45.5, 100.0, 150.0}) {
      for (double area : {0.01, 1.0, 56.0, 1000.0, 123456.0, 1e7}) {
        double current = IpcCurrentFormula(area, tempRise, k, 1);
        EXPECT_NEAR(IpcCurrentFormulaInverse(current, tempRise, k), area, area * 1e-12)
            << "k " << k << " dT " << tempRise << " area " << area;
      }
    }
  }
}

TEST(IpcFormula, CurrentRisesWithAreaAndWithTemperatureRise) {
  double previous = IpcCurrentFormula(0, 10, kIpcK, 1);
  EXPECT_EQ(previous, 0.0);  // 0^0.725 is 0, no error
  for (double area = 0.5; area < 1e6; area *= 1.7) {
    double current = IpcCurrentFormula(area, 10, kIpcK, 1);
    EXPECT_GT(current, previous) << area;
    previous = current;
  }
  previous = IpcCurrentFormula(100, 0, kIpcK, 1);
  for (double tempRise = 0.25; tempRise < 500; tempRise *= 1.5) {
    double current = IpcCurrentFormula(100, tempRise, kIpcK, 1);
    EXPECT_GT(current, previous) << tempRise;
    previous = current;
  }
}

TEST(IpcFormula, InverseWithoutTemperatureRiseDividesByZero) {
  EXPECT_THROW(IpcCurrentFormulaInverse(1, 0, kIpcK), ZeroDivideError);
  EXPECT_THROW(IpcCurrentFormulaInverse(0, 0, kIpcK), InvalidOpError);  // 0 / 0
}

TEST_F(MathReports, NegativeCurrentOrAreaHasNoRealPower) {
  EXPECT_TRUE(std::isnan(IpcCurrentFormulaInverse(-1, 10, kIpcK)));
  EXPECT_TRUE(std::isnan(IpcCurrentFormula(-1, 10, kIpcK, 1)));
  EXPECT_EQ(reports_, (std::vector<std::string>{"pow: DOMAIN error", "pow: DOMAIN error"}));
}

// ---------------------------------------------------------------------------
// The cross-section modifier.

struct BandCase {
  double tempRise;
  std::optional<AreaModifierBand> band;
};

std::ostream& operator<<(std::ostream& os, const BandCase& c) { return os << "dT " << c.tempRise; }

class AreaModifierBandEdges : public ::testing::TestWithParam<BandCase> {};

TEST_P(AreaModifierBandEdges, BandOfTheTemperatureRise) {
  EXPECT_EQ(AreaModifierBands(GetParam().tempRise), GetParam().band);
}

constexpr AreaModifierBand kUpTo20{3.0364, -0.145};
constexpr AreaModifierBand kAbove20{2.9143, -0.129};
constexpr AreaModifierBand kFrom60{2.7877, -0.114};
constexpr AreaModifierBand kFrom100{2.801, -0.111};

// 20 belongs to the band below it, 60 and 100 to the band above.
INSTANTIATE_TEST_SUITE_P(
    EveryEdge, AreaModifierBandEdges,
    ::testing::Values(BandCase{-kInf, kUpTo20}, BandCase{-5, kUpTo20}, BandCase{0, kUpTo20},
                      BandCase{Below(20), kUpTo20}, BandCase{20, kUpTo20},
                      BandCase{Above(20), kAbove20}, BandCase{Below(60), kAbove20},
                      BandCase{60, kFrom60}, BandCase{Above(60), kFrom60},
                      BandCase{Below(100), kFrom60}, BandCase{100, kFrom100},
                      BandCase{Above(100), kFrom100}, BandCase{1e6, kFrom100},
                      BandCase{kInf, kFrom100}, BandCase{kNaN, std::nullopt}));

struct ModifierCase {
  const char* source;
  bool metric;
  double area;
  double tempRise;
  double modifier;
};

std::ostream& operator<<(std::ostream& os, const ModifierCase& c) { return os << c.source; }

class AreaModifierValues : public ::testing::TestWithParam<ModifierCase> {};

TEST_P(AreaModifierValues, CoefficientTimesAreaToTheExponent) {
  const ModifierCase& c = GetParam();
  std::optional<double> modifier = c.metric ? CalcAreaModifierSqMm(c.area, c.tempRise)
                                            : CalcAreaModifierSqMils(c.area, c.tempRise);
  ASSERT_TRUE(modifier.has_value());
  ExpectClose(*modifier, c.modifier);
}

INSTANTIATE_TEST_SUITE_P(
    HandCalculations, AreaModifierValues,
    ::testing::Values(
        // 3.0364 x 100^-0.145 = 3.0364 / 10^0.29
        ModifierCase{"100 sq.mils, dT 20", false, 100, 20, 1.55725230635138025},
        // 2.9143 x 100^-0.129 = 2.9143 / 10^0.258
        ModifierCase{"100 sq.mils, dT just above 20", false, 100, Above(20), 1.60891928129591114},
        // 2.7877 x 100^-0.114 = 2.7877 / 10^0.228
        ModifierCase{"100 sq.mils, dT 60", false, 100, 60, 1.64909636759096874},
        // 2.801 x 100^-0.111 = 2.801 / 10^0.222
        ModifierCase{"100 sq.mils, dT 100", false, 100, 100, 1.68001480459168185},
        // 0.1 sq.mm x 1550 = 155 sq.mils; 3.0364 x 155^-0.145
        ModifierCase{"0.1 sq.mm, dT 10", true, 0.1, 10, 1.46137235178972569},
        ModifierCase{"155 sq.mils, dT 10", false, 155, 10, 1.46137235178972569}));

TEST(AreaModifier, NothingWhenTheTemperatureRiseIsNoNumber) {
  EXPECT_EQ(CalcAreaModifierSqMils(100, kNaN), std::nullopt);
  EXPECT_EQ(CalcAreaModifierSqMm(0.1, kNaN), std::nullopt);
}

// Every exponent is negative: a wider conductor gets a smaller factor.
TEST(AreaModifier, FallsAsTheAreaGrowsInEveryBand) {
  for (double tempRise : {10.0, 40.0, 80.0, 120.0}) {
    double previous = *CalcAreaModifierSqMils(0.1, tempRise);
    for (double area = 0.3; area < 1e7; area *= 3) {
      double modifier = *CalcAreaModifierSqMils(area, tempRise);
      EXPECT_LT(modifier, previous) << "dT " << tempRise << " area " << area;
      previous = modifier;
    }
  }
}

TEST_F(MathReports, ZeroAreaShowsTheSingularityAndEndsTheCurrent) {
  std::optional<double> modifier = CalcAreaModifierSqMils(0, 10);
  ASSERT_TRUE(modifier.has_value());
  EXPECT_EQ(*modifier, kInf);  // 3.0364 x 0^-0.145
  EXPECT_EQ(reports_, std::vector<std::string>{"pow: SING error"});
  // 0^0.725 x ... x inf: an invalid operation ends the solve.
  EXPECT_THROW(IpcCurrentFormula(0, 10, kIpcK, *modifier), InvalidOpError);
}

// ---------------------------------------------------------------------------
// The board-thickness and plane factors. Each edge is tested just below, at
// and just above; the expected factors are the band tables.

struct FactorCase {
  const char* label;
  bool metric;
  double value;
  double factor;
};

std::ostream& operator<<(std::ostream& os, const FactorCase& c) {
  return os << c.label << (c.metric ? " mm " : " mils ") << c.value;
}

struct EdgeRow {
  double mils;
  double mm;
  double below;  // factor of the band under the edge
  double at;     // factor from the edge up
};

std::vector<FactorCase> EdgeCases(const char* label, const std::vector<EdgeRow>& rows) {
  std::vector<FactorCase> cases;
  for (const EdgeRow& row : rows) {
    for (bool metric : {false, true}) {
      double edge = metric ? row.mm : row.mils;
      cases.push_back({label, metric, Below(edge), row.below});
      cases.push_back({label, metric, edge, row.at});
      cases.push_back({label, metric, Above(edge), row.at});
    }
  }
  return cases;
}

const std::vector<EdgeRow> kBoardEdges = {
    {100, 2.54, 1.2, 1.3},   {90, 2.286, 1.1, 1.2},  {80, 2.032, 1.0, 1.1},
    {70, 1.778, 0.95, 1.0},  {60, 1.524, 0.85, 0.95}, {50, 1.27, 0.75, 0.85},
    {40, 1.016, 0.67, 0.75}, {30, 0.762, 0.58, 0.67}, {20, 0.508, 0.48, 0.58},
    {10, 0.254, 0.4, 0.48},
};

class BoardThickness : public ::testing::TestWithParam<FactorCase> {};

TEST_P(BoardThickness, FactorOfTheBand) {
  const FactorCase& c = GetParam();
  EXPECT_EQ(BoardThicknessModifier(c.value, c.metric), c.factor);
}

INSTANTIATE_TEST_SUITE_P(EveryEdge, BoardThickness,
                         ::testing::ValuesIn(EdgeCases("board", kBoardEdges)));

INSTANTIATE_TEST_SUITE_P(
    Extremes, BoardThickness,
    ::testing::Values(FactorCase{"board", false, 9.99, 0.4}, FactorCase{"board", false, 0, 0.4},
                      FactorCase{"board", false, -5, 0.4}, FactorCase{"board", false, -kInf, 0.4},
                      FactorCase{"board", true, 1e9, 1.3}, FactorCase{"board", true, kInf, 1.3}));

TEST(BoardThickness, NoNumberGivesNoNumber) {
  EXPECT_TRUE(std::isnan(BoardThicknessModifier(kNaN, false)));
  EXPECT_TRUE(std::isnan(BoardThicknessModifier(kNaN, true)));
}

// The mm edges are the mil edges x 0.0254: inside a band both units agree.
// A thicker board never gets a smaller factor.
TEST(BoardThickness, UnitsAgreeInsideEachBandAndTheFactorNeverFalls) {
  double previous = 0;
  for (double mils = 0.5; mils < 130; mils += 1) {
    double factor = BoardThicknessModifier(mils, false);
    EXPECT_EQ(BoardThicknessModifier(mils * 0.0254, true), factor) << mils;
    EXPECT_GE(factor, previous) << mils;
    previous = factor;
  }
}

// Plane columns: "0.5oz / 1oz" (item 0) and "2oz" (item 1).
const std::vector<EdgeRow> kHalfOrOneOunceEdges = {
    {100, 2.54, 1.3, 1.2},    {90, 2.286, 1.33, 1.3},  {80, 2.032, 1.37, 1.33},
    {70, 1.778, 1.39, 1.37},  {60, 1.524, 1.42, 1.39}, {50, 1.27, 1.45, 1.42},
    {40, 1.016, 1.48, 1.45},  {30, 0.762, 1.52, 1.48}, {20, 0.508, 1.55, 1.52},
    {10, 0.254, 1.59, 1.55},
};
const std::vector<EdgeRow> kTwoOunceEdges = {
    {100, 2.54, 1.34, 1.24},  {90, 2.286, 1.37, 1.34}, {80, 2.032, 1.41, 1.37},
    {70, 1.778, 1.43, 1.41},  {60, 1.524, 1.46, 1.43}, {50, 1.27, 1.49, 1.46},
    {40, 1.016, 1.52, 1.49},  {30, 0.762, 1.56, 1.52}, {20, 0.508, 1.59, 1.56},
    {10, 0.254, 1.63, 1.59},
};

class PlaneHalfOrOneOunce : public ::testing::TestWithParam<FactorCase> {};
class PlaneTwoOunce : public ::testing::TestWithParam<FactorCase> {};

TEST_P(PlaneHalfOrOneOunce, FactorOfTheBand) {
  const FactorCase& c = GetParam();
  EXPECT_EQ(PlaneProximityModifier(true, kPlaneHalfOrOneOunce, c.value, c.metric), c.factor);
}

TEST_P(PlaneTwoOunce, FactorOfTheBand) {
  const FactorCase& c = GetParam();
  EXPECT_EQ(PlaneProximityModifier(true, kPlaneTwoOunce, c.value, c.metric), c.factor);
}

INSTANTIATE_TEST_SUITE_P(EveryEdge, PlaneHalfOrOneOunce,
                         ::testing::ValuesIn(EdgeCases("0.5oz / 1oz", kHalfOrOneOunceEdges)));
INSTANTIATE_TEST_SUITE_P(EveryEdge, PlaneTwoOunce,
                         ::testing::ValuesIn(EdgeCases("2oz", kTwoOunceEdges)));
INSTANTIATE_TEST_SUITE_P(
    Extremes, PlaneTwoOunce,
    ::testing::Values(FactorCase{"2oz", false, 9.99, 1.63}, FactorCase{"2oz", false, 0, 1.63},
                      FactorCase{"2oz", false, 5000, 1.24}, FactorCase{"2oz", true, kInf, 1.24}));
INSTANTIATE_TEST_SUITE_P(
    Extremes, PlaneHalfOrOneOunce,
    ::testing::Values(FactorCase{"0.5oz / 1oz", false, 5000, 1.2},
                      FactorCase{"0.5oz / 1oz", true, -kInf, 1.59}));

TEST(PlaneProximity, WithoutAPlaneTheFactorIsOneWhateverTheOtherInputs) {
  for (int item : {-1, 0, 1, 2}) {
    for (double distance : {0.0, 9.99, 100.0, kNaN}) {
      EXPECT_EQ(PlaneProximityModifier(false, item, distance, false), 1.0);
      EXPECT_EQ(PlaneProximityModifier(false, item, distance, true), 1.0);
    }
  }
}

TEST(PlaneProximity, ItemOutsideTheTwoColumnsGivesNothing) {
  for (int item : {-1, 2, 100}) {
    EXPECT_EQ(PlaneProximityModifier(true, item, 50, false), std::nullopt) << item;
  }
  EXPECT_TRUE(std::isnan(*PlaneProximityModifier(true, kPlaneTwoOunce, kNaN, true)));
}

// Both units agree inside each band; a farther plane never raises the
// factor; a heavier plane always adds a little.
TEST(PlaneProximity, UnitsAgreeTheFactorFallsWithDistanceAndTwoOunceIsHigher) {
  double previous = kInf;
  for (double mils = 0.5; mils < 130; mils += 1) {
    double thin = *PlaneProximityModifier(true, kPlaneHalfOrOneOunce, mils, false);
    double thick = *PlaneProximityModifier(true, kPlaneTwoOunce, mils, false);
    EXPECT_EQ(*PlaneProximityModifier(true, kPlaneHalfOrOneOunce, mils * 0.0254, true), thin);
    EXPECT_EQ(*PlaneProximityModifier(true, kPlaneTwoOunce, mils * 0.0254, true), thick);
    EXPECT_LE(thin, previous) << mils;
    EXPECT_GT(thick, thin) << mils;
    previous = thin;
  }
}

}  // namespace
}  // namespace cq
