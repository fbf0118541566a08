// The wavelength model: input conversion to MHz, the fraction steps and the
// wavelength itself, against hand calculations (python3).
#include "calc/tline/wavelength_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <stdexcept>

#include "platform/errors.h"
#include "platform/format.h"

namespace cq {
namespace {

struct InputCase {
  bool period;
  int unit;
  double value;
  double mhz;
  const char* unitText;
  int left, width;
};

void PrintTo(const InputCase& c, std::ostream* os) {
  *os << (c.period ? "period" : "frequency") << " unit " << c.unit << " value " << c.value;
}

// Period: f = 1 / (x / 1e9) / 1e6 (ns) or 1 / (x / 1e12) / 1e6 (ps);
// frequency: x times 1000, 1, 0.001 or 1e-6.
class WavelengthInput : public testing::TestWithParam<InputCase> {};

TEST_P(WavelengthInput, BringsTheValueToMhzAndPlacesItsUnit) {
  const InputCase& c = GetParam();
  ASSERT_TRUE(WavelengthInputToMhz(c.period, c.unit, c.value).has_value());
  EXPECT_NEAR(*WavelengthInputToMhz(c.period, c.unit, c.value), c.mhz, std::abs(c.mhz) * 1e-12);
  const auto box = WavelengthUnitBox(c.period, c.unit);
  ASSERT_TRUE(box.has_value());
  EXPECT_STREQ(box->text, c.unitText);
  EXPECT_EQ(box->left, c.left);
  EXPECT_EQ(box->width, c.width);
}

INSTANTIATE_TEST_SUITE_P(Table, WavelengthInput,
                         testing::Values(InputCase{true, 0, 10, 100, "ns", 138, 23},         // 1000 / 10
                                         InputCase{true, 1, 10, 100000, "ps", 138, 23},      // 1e6 / 10
                                         InputCase{true, 0, 500, 2, "ns", 138, 23},          // 1000 / 500
                                         InputCase{false, 0, 1, 1000, "GHz", 122, 42},
                                         InputCase{false, 1, 500, 500, "MHz", 122, 42},
                                         InputCase{false, 2, 250, 0.25, "KHz", 125, 42},
                                         InputCase{false, 3, 2e6, 2, "Hz", 137, 28},
                                         InputCase{true, 0, -4, -250, "ns", 138, 23}));

TEST(WavelengthInput, AUnitItemTheMethodDoesNotHaveGivesNothing) {
  EXPECT_FALSE(WavelengthInputToMhz(true, 2, 10).has_value());
  EXPECT_FALSE(WavelengthInputToMhz(false, 4, 10).has_value());
  EXPECT_FALSE(WavelengthInputToMhz(false, -1, 10).has_value());
  EXPECT_FALSE(WavelengthUnitBox(true, 2).has_value());
  EXPECT_FALSE(WavelengthUnitBox(false, -1).has_value());
}

TEST(WavelengthInput, AZeroPeriodDividesByZero) {
  EXPECT_THROW(WavelengthInputToMhz(true, 0, 0), ZeroDivideError);
  EXPECT_THROW(WavelengthInputToMhz(true, 1, 0), ZeroDivideError);
}

TEST(WavelengthFractionSteps, NineStepsFromFullToOneTwentieth) {
  const double fractions[] = {1, 0.75, 0.625, 0.5, 0.25, 0.1, 0.06666, 0.0625, 0.05};
  const char* texts[] = {"Full Wave Length", "3/4 Wave Length",  "5/8 Wave Length",
                         "1/2 Wave Length",  "1/4 Wave Length",  "1/10 Wave Length",
                         "1/15 Wave Length", "1/16 Wave Length", "1/20 Wave Length"};
  for (int p = 0; p < kWavelengthFractionSteps; ++p) {
    EXPECT_EQ(WavelengthFractionStep(p).fraction, fractions[p]) << p;
    EXPECT_STREQ(WavelengthFractionStep(p).text, texts[p]) << p;
  }
  EXPECT_THROW(WavelengthFractionStep(kWavelengthFractionSteps), std::out_of_range);
}

struct LengthCase {
  double eeff, mhz, fraction;
  const char* inches;
  const char* cm;
};

void PrintTo(const LengthCase& c, std::ostream* os) {
  *os << "eeff " << c.eeff << " f " << c.mhz << " x " << c.fraction;
}

// python3: c = 299792458; c / (sqrt(e) * f) * 0.0001 [/ 2.54] * fraction
class WavelengthLength : public testing::TestWithParam<LengthCase> {};

TEST_P(WavelengthLength, InInchesAndCentimetres) {
  const LengthCase& c = GetParam();
  EXPECT_EQ(Format("%.5f", Wavelength(c.eeff, c.mhz, false) * c.fraction), c.inches);
  EXPECT_EQ(Format("%.5f", Wavelength(c.eeff, c.mhz, true) * c.fraction), c.cm);
}

INSTANTIATE_TEST_SUITE_P(Table, WavelengthLength,
                         testing::Values(LengthCase{4, 100, 1, "59.01426", "149.89623"},
                                         LengthCase{4, 100, 0.06666, "3.93389", "9.99208"},
                                         LengthCase{4, 100, 0.0625, "3.68839", "9.36851"},
                                         LengthCase{1, 1000, 1, "11.80285", "29.97925"},
                                         LengthCase{2.9022, 500, 0.25, "3.46412", "8.79887"},
                                         LengthCase{4, 2, 1, "2950.71317", "7494.81145"},
                                         LengthCase{4, -100, 1, "-59.01426", "-149.89623"}));

TEST(WavelengthLength, ScalesAsOneOverFrequencyAndRootPermittivity) {
  EXPECT_DOUBLE_EQ(Wavelength(1, 100, true), 2 * Wavelength(1, 200, true));
  EXPECT_DOUBLE_EQ(Wavelength(1, 100, false), 3 * Wavelength(9, 100, false));
  EXPECT_DOUBLE_EQ(Wavelength(4, 100, true), 2.54 * Wavelength(4, 100, false));
  EXPECT_EQ(WavelengthInAir(350, false), Wavelength(1, 350, false));
}

TEST(WavelengthLength, ZeroFrequencyOrPermittivityDividesByZero) {
  EXPECT_THROW(Wavelength(4, 0, false), ZeroDivideError);
  EXPECT_THROW(Wavelength(0, 100, true), ZeroDivideError);
}

TEST(WavelengthLength, ANegativePermittivityGivesNoNumber) {
  EXPECT_TRUE(std::isnan(Wavelength(-4, 100, false)));
}

}  // namespace
}  // namespace cq
