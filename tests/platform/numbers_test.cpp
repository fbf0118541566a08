#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "platform/errors.h"

namespace cq {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The separator is process-wide; every test that touches it starts and ends
// with the default '.' so a failure cannot leak into the next test.
class NumbersTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator('.'); }
  void TearDown() override { SetDecimalSeparator('.'); }
};

// Asserts ConvertError with exactly the given message.
template <typename F>
void ExpectConvertError(F&& f, const std::string& message) {
  try {
    f();
    ADD_FAILURE() << "no ConvertError, expected: " << message;
  } catch (const ConvertError& e) {
    EXPECT_EQ(e.what(), message);
  }
}

// ---------------------------------------------------------------------------
// ParseLocaleFloat: one table of valid, boundary and invalid texts. For a
// valid row the value is the one the compiler reads from the same literal
// and formatted is FormatGeneralFloat of it with the row's separator.

struct ParseCase {
  const char* input;
  char separator;
  bool valid;
  double value;
  const char* formatted;
};

std::ostream& operator<<(std::ostream& os, const ParseCase& c) {
  return os << "'" << c.input << "' with '" << c.separator << "'";
}

class ParseLocaleFloatTable : public NumbersTest,
                              public ::testing::WithParamInterface<ParseCase> {};

TEST_P(ParseLocaleFloatTable, ReadsValidTextsAndRejectsTheRest) {
  const ParseCase& c = GetParam();
  if (!c.valid) {
    ExpectConvertError([&] { ParseLocaleFloat(c.input, c.separator); },
                       std::string("'") + c.input + "' is not a valid floating point value");
    return;
  }
  const double value = ParseLocaleFloat(c.input, c.separator);
  EXPECT_EQ(value, c.value);
  EXPECT_EQ(std::signbit(value), std::signbit(c.value));
  EXPECT_EQ(FormatGeneralFloat(value, c.separator), c.formatted);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ParseLocaleFloatTable,
    ::testing::Values(
        // Plain numbers with either separator.
        ParseCase{"0", '.', true, 0.0, "0"},
        ParseCase{"1.5", '.', true, 1.5, "1.5"},
        ParseCase{"1,5", ',', true, 1.5, "1,5"},
        ParseCase{"-393.7", '.', true, -393.7, "-393.7"},
        ParseCase{"+4", '.', true, 4.0, "4"},
        ParseCase{"007", '.', true, 7.0, "7"},
        ParseCase{"  2.5  ", '.', true, 2.5, "2.5"},
        ParseCase{"\t-3\t", '.', true, -3.0, "-3"},
        ParseCase{"-0", '.', true, -0.0, "0"},
        // A separator with digits on one side only.
        ParseCase{"1.", '.', true, 1.0, "1"},
        ParseCase{".5", '.', true, 0.5, "0.5"},
        ParseCase{"-.5", '.', true, -0.5, "-0.5"},
        ParseCase{",25", ',', true, 0.25, "0,25"},
        ParseCase{"3,", ',', true, 3.0, "3"},
        // Exponents.
        ParseCase{"1e3", '.', true, 1000.0, "1000"},
        ParseCase{"1E+3", '.', true, 1000.0, "1000"},
        ParseCase{"2.5e-3", '.', true, 0.0025, "0.0025"},
        ParseCase{"1,5e2", ',', true, 150.0, "150"},
        ParseCase{".5E1", '.', true, 5.0, "5"},
        ParseCase{"1.5E20", '.', true, 1.5e20, "1.5E20"},
        ParseCase{"1e0000000000000000000002", '.', true, 100.0, "100"},
        ParseCase{"0e999999999999999999999", '.', true, 0.0, "0"},
        // More digits than a double holds: rounded to the nearest double.
        ParseCase{"12345678901234567", '.', true, 12345678901234567.0, "1.23456789012346E16"},
        // Ends of the double range.
        ParseCase{"1.7976931348623157e308", '.', true, DBL_MAX, "1.79769313486231E308"},
        ParseCase{"2.2250738585072014e-308", '.', true, DBL_MIN, "2.2250738585072E-308"},
        ParseCase{"4.9e-324", '.', true, 4.9e-324, "4.94065645841247E-324"},
        // Underflow reads as zero, with its sign.
        ParseCase{"1e-400", '.', true, 0.0, "0"},
        ParseCase{"-1e-400", '.', true, -0.0, "0"},
        ParseCase{"1e-99999999999999999999", '.', true, 0.0, "0"},
        // Overflow is a conversion error like any other bad text.
        ParseCase{"1e309", '.', false, 0, ""},
        ParseCase{"-1.8e308", '.', false, 0, ""},
        ParseCase{"1.79769313486232e308", '.', false, 0, ""},
        ParseCase{"1e99999999999999999999", '.', false, 0, ""},
        ParseCase{"1e400", '.', false, 0, ""},
        ParseCase{"-1e400", ',', false, 0, ""},
        // Not numbers.
        ParseCase{"", '.', false, 0, ""},
        ParseCase{"   ", '.', false, 0, ""},
        ParseCase{".", '.', false, 0, ""},
        ParseCase{",", ',', false, 0, ""},
        ParseCase{"-", '.', false, 0, ""},
        ParseCase{"+.", '.', false, 0, ""},
        ParseCase{"--1", '.', false, 0, ""},
        ParseCase{"+-1", '.', false, 0, ""},
        ParseCase{"- 1", '.', false, 0, ""},
        ParseCase{"1..2", '.', false, 0, ""},
        ParseCase{"1.2.3", '.', false, 0, ""},
        ParseCase{"1 2", '.', false, 0, ""},
        ParseCase{"1 000", '.', false, 0, ""},
        ParseCase{"12a", '.', false, 0, ""},
        ParseCase{"abc", '.', false, 0, ""},
        // The other separator and digit grouping.
        ParseCase{"1,5", '.', false, 0, ""},
        ParseCase{"1.5", ',', false, 0, ""},
        ParseCase{"1,000.5", '.', false, 0, ""},
        ParseCase{"1.000,5", ',', false, 0, ""},
        // Broken exponents.
        ParseCase{"e5", '.', false, 0, ""},
        ParseCase{".e5", '.', false, 0, ""},
        ParseCase{"1e", '.', false, 0, ""},
        ParseCase{"1e+", '.', false, 0, ""},
        ParseCase{"1e-", '.', false, 0, ""},
        ParseCase{"1e5.5", '.', false, 0, ""},
        ParseCase{"1e1e1", '.', false, 0, ""},
        ParseCase{"1 e5", '.', false, 0, ""},
        // What other readers take: special values, hex, suffixes.
        ParseCase{"inf", '.', false, 0, ""},
        ParseCase{"-INF", '.', false, 0, ""},
        ParseCase{"INF", '.', false, 0, ""},
        ParseCase{"nan", '.', false, 0, ""},
        ParseCase{"NAN", '.', false, 0, ""},
        ParseCase{"infinity", '.', false, 0, ""},
        ParseCase{"0x1A", '.', false, 0, ""},
        ParseCase{"0x10", '.', false, 0, ""},
        ParseCase{"0x1p3", '.', false, 0, ""},
        ParseCase{"1.5f", '.', false, 0, ""},
        ParseCase{"1.5d", '.', false, 0, ""}));

TEST_F(NumbersTest, ConversionErrorNamesTheTextAsGiven) {
  // Blanks are kept in the message: it shows the field as the user left it.
  ExpectConvertError([] { ParseLocaleFloat("  1.2.3 "); },
                     "'  1.2.3 ' is not a valid floating point value");
  ExpectConvertError([] { ParseLocaleFloat(""); }, "'' is not a valid floating point value");
}

TEST_F(NumbersTest, ProgramSeparatorDrivesTheOneArgumentForms) {
  EXPECT_EQ(DecimalSeparator(), '.');
  EXPECT_EQ(ParseLocaleFloat("2.5"), 2.5);
  EXPECT_EQ(FormatGeneralFloat(2.5), "2.5");
  EXPECT_THROW(ParseLocaleFloat("2,5"), ConvertError);

  SetDecimalSeparator(',');
  EXPECT_EQ(DecimalSeparator(), ',');
  EXPECT_EQ(ParseLocaleFloat("2,5"), 2.5);
  EXPECT_EQ(FormatGeneralFloat(2.5), "2,5");
  EXPECT_EQ(FormatGeneralFloat(-1.5e-9), "-1,5E-9");
  EXPECT_THROW(ParseLocaleFloat("2.5"), ConvertError);

  // Any other character means the point.
  SetDecimalSeparator(';');
  EXPECT_EQ(DecimalSeparator(), '.');
  EXPECT_EQ(FormatGeneralFloat(0.5), "0.5");
}

// ---------------------------------------------------------------------------
// FormatGeneralFloat: 15 significant digits, fixed for exponents -5 .. 14.

struct GeneralCase {
  double value;
  const char* text;
};

std::ostream& operator<<(std::ostream& os, const GeneralCase& c) {
  return os << c.text;
}

class FormatGeneralFloatTable : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralFloatTable, WritesShortestGeneralForm) {
  EXPECT_EQ(FormatGeneralFloat(GetParam().value, '.'), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FormatGeneralFloatTable,
    ::testing::Values(
        GeneralCase{0.0, "0"}, GeneralCase{-0.0, "0"}, GeneralCase{1.0, "1"},
        GeneralCase{-1.5, "-1.5"}, GeneralCase{0.1, "0.1"}, GeneralCase{25.4, "25.4"},
        // 0.1 + 0.2 is 0.30000000000000004: the 17th digit goes.
        GeneralCase{0.1 + 0.2, "0.3"},
        // 1/3 and 2/3 by hand: 15 threes; 15 sixes rounded up to a seven.
        GeneralCase{1.0 / 3.0, "0.333333333333333"}, GeneralCase{2.0 / 3.0, "0.666666666666667"},
        // 10 mils in mm and back, unrounded (the Units switch rounds first).
        GeneralCase{10 / 25.4 * 1000, "393.700787401575"},
        // Upper edge of fixed notation: exponent 14 fixed, 15 exponent form.
        GeneralCase{1e14, "100000000000000"}, GeneralCase{99999999999999.9, "99999999999999.9"},
        GeneralCase{1e15, "1E15"}, GeneralCase{-1e15, "-1E15"},
        // Rounding to 15 digits carries into exponent 15.
        GeneralCase{999999999999999.9, "1E15"},
        GeneralCase{123456789012345678.0, "1.23456789012346E17"},
        GeneralCase{1.5e20, "1.5E20"},
        // Lower edge: exponent -5 fixed, -6 exponent form.
        GeneralCase{0.00001, "0.00001"}, GeneralCase{0.0000123, "0.0000123"},
        GeneralCase{0.000009999999999999999, "0.00001"}, GeneralCase{0.000001, "1E-6"},
        GeneralCase{0.0000015, "1.5E-6"}, GeneralCase{1e-7, "1E-7"},
        GeneralCase{-2.5e-9, "-2.5E-9"}, GeneralCase{1e-100, "1E-100"},
        // Ends of the range. The largest double rounds to 1.79769313486232E308,
        // beyond the range, so its digits are cut to stay readable.
        GeneralCase{DBL_MAX, "1.79769313486231E308"},
        GeneralCase{-DBL_MAX, "-1.79769313486231E308"},
        GeneralCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        GeneralCase{kNaN, "NAN"}, GeneralCase{kInf, "INF"}, GeneralCase{-kInf, "-INF"}));

// Every text FormatGeneralFloat writes must read back with ParseLocaleFloat,
// to the value rounded to 15 digits, and write the same text again.
TEST_F(NumbersTest, GeneralFormReadsBackWithBothSeparators) {
  std::vector<double> values = {DBL_MAX, -DBL_MAX, DBL_MIN, DBL_MIN / 3,
                                std::numeric_limits<double>::denorm_min(),
                                1e15, 1e14, 1e-5, 1e-6, 1.5e20, -0.0, 999999999999999.9, 0.1 + 0.2};
  std::mt19937_64 random(20240611);  // fixed seed: the same values every run
  for (int i = 0; i < 20000; ++i) {
    const double bits = std::bit_cast<double>(random());
    if (std::isfinite(bits)) values.push_back(bits);
    // Values of ordinary size too, where fixed notation is used.
    std::uniform_real_distribution<double> ordinary(-1e6, 1e6);
    values.push_back(ordinary(random));
  }
  for (char separator : {'.', ','}) {
    for (double v : values) {
      const std::string text = FormatGeneralFloat(v, separator);
      double back = 0;
      ASSERT_NO_THROW(back = ParseLocaleFloat(text, separator)) << text;
      ASSERT_EQ(FormatGeneralFloat(back, separator), text);
      // Half a unit in the 15th digit (at most 5e-15 of the value), plus
      // half a unit in the last place of the read-back double.
      if (std::fabs(v) >= DBL_MIN) {
        ASSERT_LE(std::fabs(back - v), (5e-15 + DBL_EPSILON) * std::fabs(v)) << text;
      }
    }
  }
}

// Values with at most 15 significant digits come back exactly: what a user
// types survives a write and a read.
TEST_F(NumbersTest, FifteenDigitValuesReadBackExactly) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<long long> mantissa(-999999999999999LL, 999999999999999LL);
  std::uniform_int_distribution<int> exponent(-40, 40);
  for (char separator : {'.', ','}) {
    for (int i = 0; i < 5000; ++i) {
      const std::string typed = std::to_string(mantissa(random)) + "e" +
                                std::to_string(exponent(random));
      const double v = ParseLocaleFloat(typed, separator);
      ASSERT_EQ(ParseLocaleFloat(FormatGeneralFloat(v, separator), separator), v) << typed;
    }
  }
}

// ---------------------------------------------------------------------------
// TextToInt

struct IntCase {
  const char* input;
  bool valid;
  int value;
};

std::ostream& operator<<(std::ostream& os, const IntCase& c) { return os << "'" << c.input << "'"; }

class TextToIntTable : public ::testing::TestWithParam<IntCase> {};

TEST_P(TextToIntTable, ReadsStrict32BitIntegers) {
  const IntCase& c = GetParam();
  if (c.valid) {
    EXPECT_EQ(TextToInt(c.input), c.value);
  } else {
    ExpectConvertError([&] { TextToInt(c.input); },
                       std::string("'") + c.input + "' is not a valid integer value");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, TextToIntTable,
    ::testing::Values(IntCase{"0", true, 0}, IntCase{"42", true, 42}, IntCase{" -17 ", true, -17},
                      IntCase{"+5", true, 5}, IntCase{"0018", true, 18},
                      IntCase{"2147483647", true, 2147483647},
                      IntCase{"-2147483648", true, -2147483647 - 1},
                      IntCase{"2147483648", false, 0}, IntCase{"-2147483649", false, 0},
                      IntCase{"99999999999999999999", false, 0}, IntCase{"", false, 0},
                      IntCase{" ", false, 0}, IntCase{"-", false, 0}, IntCase{"--1", false, 0},
                      IntCase{"1.0", false, 0}, IntCase{"1,0", false, 0},
                      IntCase{"1e3", false, 0}, IntCase{"0x10", false, 0},
                      IntCase{"1 2", false, 0}, IntCase{"12a", false, 0}));

// ---------------------------------------------------------------------------
// LocalizeDecimalPoint and NormalizeDecimalInput

TEST(LocalizeDecimalPoint, ReplacesOnlyTheFirstPointInCommaMode) {
  EXPECT_EQ(LocalizeDecimalPoint("4.6", true), "4,6");
  EXPECT_EQ(LocalizeDecimalPoint("4.6", false), "4.6");
  EXPECT_EQ(LocalizeDecimalPoint("12.50 mils", true), "12,50 mils");
  EXPECT_EQ(LocalizeDecimalPoint("1.2.3", true), "1,2.3");
  EXPECT_EQ(LocalizeDecimalPoint("+INF mils", true), "+INF mils");
}

TEST(LocalizeDecimalPoint, EveryPointOfATextOfSeveralNumbersInCommaMode) {
  EXPECT_EQ(LocalizeDecimalPoints("0.35 mm - 0.25 mm", true), "0,35 mm - 0,25 mm");
  EXPECT_EQ(LocalizeDecimalPoints("0.35 mm - 0.25 mm", false), "0.35 mm - 0.25 mm");
  EXPECT_EQ(LocalizeDecimalPoints("no number", true), "no number");
}

TEST_F(NumbersTest, NormalizeDecimalInputReadsCommaAndPointAlike) {
  for (char separator : {'.', ','}) {
    SetDecimalSeparator(separator);
    EXPECT_EQ(NormalizeDecimalInput("2,5"), 2.5);
    EXPECT_EQ(NormalizeDecimalInput("2.5"), 2.5);
    EXPECT_EQ(NormalizeDecimalInput(" 3,0 "), 3.0);
    EXPECT_EQ(NormalizeDecimalInput("1,5e3"), 1500.0);
    // Two separators after the replacement: still not a number, and the
    // message shows what the user typed, not the replaced text.
    ExpectConvertError([] { NormalizeDecimalInput("1,234.5"); },
                       "'1,234.5' is not a valid floating point value");
    ExpectConvertError([] { NormalizeDecimalInput("2,5 um"); },
                       "'2,5 um' is not a valid floating point value");
  }
}

// ---------------------------------------------------------------------------
// RoundToPowerOfTen and BankersRoundToPowerOfTen

struct RoundCase {
  double value;
  int digit;
  double awayFromZero;
  double toEven;
};

std::ostream& operator<<(std::ostream& os, const RoundCase& c) {
  return os << c.value << " at " << c.digit;
}

class RoundingTable : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundingTable, BothRoundingsAndMirrorSymmetry) {
  const RoundCase& c = GetParam();
  EXPECT_EQ(RoundToPowerOfTen(c.value, c.digit), c.awayFromZero);
  EXPECT_EQ(BankersRoundToPowerOfTen(c.value, c.digit), c.toEven);
  // Invariant: both rounding rules are symmetric about zero.
  EXPECT_EQ(RoundToPowerOfTen(-c.value, c.digit), -c.awayFromZero);
  EXPECT_EQ(BankersRoundToPowerOfTen(-c.value, c.digit), -c.toEven);
}

// Ties, worked by hand: the two rules differ where the kept digit is even.
INSTANTIATE_TEST_SUITE_P(
    Ties, RoundingTable,
    ::testing::Values(RoundCase{2.5, 0, 3.0, 2.0}, RoundCase{3.5, 0, 4.0, 4.0},
                      RoundCase{0.5, 0, 1.0, 0.0}, RoundCase{1234.5, 0, 1235.0, 1234.0},
                      RoundCase{0.125, -2, 0.13, 0.12}, RoundCase{0.375, -2, 0.38, 0.38},
                      RoundCase{150.0, 2, 200.0, 200.0}, RoundCase{250.0, 2, 300.0, 200.0},
                      RoundCase{25.0, 1, 30.0, 20.0},
                      // Decimal ties stored a little below the half in binary
                      // (1.2345 is 1.23449999999999993...): still ties.
                      RoundCase{1.2345, -3, 1.235, 1.234}, RoundCase{2.675, -2, 2.68, 2.68},
                      RoundCase{2.665, -2, 2.67, 2.66}, RoundCase{1.005, -2, 1.01, 1.0},
                      RoundCase{0.285, -2, 0.29, 0.28}));

// Not ties: both rules give the nearest multiple.
INSTANTIATE_TEST_SUITE_P(
    NotTies, RoundingTable,
    ::testing::Values(
        // 0.254 at -4 must give the double 0.254, not 0.25400000000000003.
        RoundCase{0.254, -4, 0.254, 0.254},
        // Units switch: 10 mils to mm and 393.7 back (x 25.4 / 1000, / 25.4 x 1000).
        RoundCase{10 * 25.4 / 1000, -4, 0.254, 0.254},
        RoundCase{10 / 25.4 * 1000, -2, 393.7, 393.7},
        RoundCase{0.127 / 25.4 * 1000, -2, 5.0, 5.0},
        // 393.7 mils is 9.99998 mm: four decimals carry into the units.
        RoundCase{393.7 * 25.4 / 1000, -4, 10.0, 10.0},
        RoundCase{1.2344, -3, 1.234, 1.234}, RoundCase{1.2346, -3, 1.235, 1.235},
        RoundCase{1.23450001, -3, 1.235, 1.235}, RoundCase{1.23449999, -3, 1.234, 1.234},
        RoundCase{3.14159, 0, 3.0, 3.0}, RoundCase{0.0001234, -6, 0.000123, 0.000123},
        RoundCase{12345.0, 2, 12300.0, 12300.0}, RoundCase{12351.0, 2, 12400.0, 12400.0},
        RoundCase{0.4, 0, 0.0, 0.0}, RoundCase{49.0, 2, 0.0, 0.0},
        // Every digit above the rounding position: unchanged.
        RoundCase{1.5e20, -2, 1.5e20, 1.5e20}, RoundCase{123456789.123, -2, 123456789.12,
                                                           123456789.12}));

TEST(Rounding, LeavesZeroAndNonFiniteValuesAlone) {
  EXPECT_TRUE(std::isnan(RoundToPowerOfTen(kNaN, -2)));
  EXPECT_TRUE(std::isnan(BankersRoundToPowerOfTen(kNaN, -2)));
  EXPECT_EQ(RoundToPowerOfTen(kInf, -2), kInf);
  EXPECT_EQ(BankersRoundToPowerOfTen(-kInf, 3), -kInf);
  EXPECT_EQ(RoundToPowerOfTen(0.0, -4), 0.0);
  // Digits far outside the double range must neither crash nor invent values.
  EXPECT_EQ(RoundToPowerOfTen(1.5, std::numeric_limits<int>::min()), 1.5);
  EXPECT_EQ(BankersRoundToPowerOfTen(123.456, std::numeric_limits<int>::max()), 0.0);
}

// The Units switch writes the rounded value with FormatGeneralFloat: the
// texts a user sees after switching 5 mils to Metric and back.
TEST_F(NumbersTest, UnitsSwitchTextsAreShort) {
  const double mm = RoundToPowerOfTen(5 * 25.4 / 1000, -4);
  EXPECT_EQ(FormatGeneralFloat(mm), "0.127");
  EXPECT_EQ(FormatGeneralFloat(RoundToPowerOfTen(mm / 25.4 * 1000, -2)), "5");
  EXPECT_EQ(FormatGeneralFloat(RoundToPowerOfTen(10 / 25.4 * 1000, -2), ','), "393,7");
}

}  // namespace
}  // namespace cq
