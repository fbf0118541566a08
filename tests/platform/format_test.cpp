#include "platform/format.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/numbers.h"

namespace cq {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <typename... T>
std::vector<FormatArg> Args(T... values) {
  return {detail::toFormatArg(values)...};
}

struct FormatCase {
  const char* format;
  std::vector<FormatArg> args;
  const char* expected;
};

std::ostream& operator<<(std::ostream& os, const FormatCase& c) {
  return os << "\"" << c.format << "\" -> \"" << c.expected << "\"";
}

class FormatTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, WritesTheExpectedText) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatV(c.format, c.args), c.expected);
}

// Expected texts are those of C printf in the "C" locale, except where a
// comment says otherwise.
INSTANTIATE_TEST_SUITE_P(
    Integers, FormatTable,
    ::testing::Values(
        FormatCase{"%d", Args(42), "42"}, FormatCase{"%i", Args(-3), "-3"},
        FormatCase{"%5d|", Args(42), "   42|"}, FormatCase{"%-5d|", Args(42), "42   |"},
        FormatCase{"%05d", Args(-42), "-0042"}, FormatCase{"%+d", Args(5), "+5"},
        FormatCase{"% d", Args(5), " 5"}, FormatCase{"%.3d", Args(7), "007"},
        FormatCase{"%06.3d", Args(7), "   007"},  // precision turns zero padding off
        FormatCase{"%.0d|", Args(0), "|"}, FormatCase{"%ld", Args(5L), "5"},
        FormatCase{"%lld", Args(-9223372036854775807LL - 1), "-9223372036854775808"},
        FormatCase{"%u", Args(3000000000U), "3000000000"},
        FormatCase{"%u", Args(-1), "4294967295"}, FormatCase{"%llu", Args(-1LL),
                                                             "18446744073709551615"},
        FormatCase{"%x", Args(255), "ff"}, FormatCase{"%X", Args(48879), "BEEF"},
        FormatCase{"%#x", Args(255), "0xff"}, FormatCase{"%#x", Args(0), "0"},
        FormatCase{"%08X", Args(48879), "0000BEEF"}, FormatCase{"%x", Args(-1), "ffffffff"},
        FormatCase{"%c", Args('A'), "A"}, FormatCase{"%3c|", Args('A'), "  A|"},
        FormatCase{"%s", Args("abc"), "abc"}, FormatCase{"%.2s", Args("abc"), "ab"},
        FormatCase{"%-6s|", Args("abc"), "abc   |"}, FormatCase{"%6s|", Args("abc"), "   abc|"},
        FormatCase{"%%", Args(), "%"}, FormatCase{"100%% of %d", Args(3), "100% of 3"},
        FormatCase{"%*d", Args(5, 42), "   42"}, FormatCase{"%-*d|", Args(4, 42), "42  |"},
        FormatCase{"%*d|", Args(-4, 42), "42  |"}));

INSTANTIATE_TEST_SUITE_P(
    Floats, FormatTable,
    ::testing::Values(
        FormatCase{"%f", Args(1.5), "1.500000"}, FormatCase{"%.2f", Args(3.14159), "3.14"},
        FormatCase{"%.4f Ohms", Args(50.123456), "50.1235 Ohms"},
        FormatCase{"%0.1f", Args(25.0), "25.0"}, FormatCase{"%.0f", Args(0.4), "0"},
        FormatCase{"%8.3f|", Args(3.14159), "   3.142|"},
        FormatCase{"%-8.1f|", Args(3.14159), "3.1     |"},
        FormatCase{"%08.2f", Args(-1.5), "-0001.50"}, FormatCase{"%+.1f", Args(2.0), "+2.0"},
        FormatCase{"% .1f", Args(2.0), " 2.0"}, FormatCase{"%#.0f", Args(3.0), "3."},
        FormatCase{"%.2f", Args(9.999), "10.00"}, FormatCase{"%.2f", Args(-0.001), "-0.00"},
        FormatCase{"%.2f", Args(1e20), "100000000000000000000.00"},
        // The exact binary value of 0.1 has these digits.
        FormatCase{"%.20f", Args(0.1), "0.10000000000000000555"},
        FormatCase{"%.3f", Args(5e-324), "0.000"}, FormatCase{"%F", Args(0.5), "0.500000"},
        FormatCase{"%.*f", Args(2, 3.14159), "3.14"},
        FormatCase{"%.*f", Args(-1, 1.5), "1.500000"},  // negative precision: none
        FormatCase{"%lf", Args(1.5), "1.500000"},
        FormatCase{"%e", Args(1.5e20), "1.500000e+20"},
        FormatCase{"%E", Args(1.5e20), "1.500000E+20"},
        FormatCase{"%.2e", Args(12345.0), "1.23e+04"}, FormatCase{"%e", Args(0.0), "0.000000e+00"},
        FormatCase{"%e", Args(1e-300), "1.000000e-300"},
        FormatCase{"%.3e", Args(-0.00012345), "-1.234e-04"},
        FormatCase{"%#.0e", Args(2.0), "2.e+00"}, FormatCase{"%.0e", Args(9.7), "1e+01"},
        FormatCase{"%g", Args(100000.0), "100000"}, FormatCase{"%g", Args(1000000.0), "1e+06"},
        FormatCase{"%g", Args(0.0001), "0.0001"}, FormatCase{"%g", Args(0.00001), "1e-05"},
        FormatCase{"%g", Args(1.5), "1.5"}, FormatCase{"%g", Args(0.0), "0"},
        FormatCase{"%G", Args(1e-10), "1E-10"}, FormatCase{"%#g", Args(1.5), "1.50000"},
        FormatCase{"%.3g", Args(3.14159), "3.14"}, FormatCase{"%.3g", Args(0.0012345), "0.00123"},
        FormatCase{"%.10g", Args(1.0 / 3.0), "0.3333333333"},
        FormatCase{"%g", Args(999999.5), "1e+06"}));  // rounding carries past %g's limit

// Exact decimal ties go away from zero, where glibc would go to even. The
// tie values are exact in binary (0.125 = 1/8, 0.25 = 1/4, 2.5, 125).
INSTANTIATE_TEST_SUITE_P(
    Ties, FormatTable,
    ::testing::Values(
        FormatCase{"%.2f", Args(0.125), "0.13"}, FormatCase{"%.2f", Args(-0.125), "-0.13"},
        FormatCase{"%.1f", Args(0.25), "0.3"}, FormatCase{"%.2f", Args(0.375), "0.38"},
        FormatCase{"%.0f", Args(0.5), "1"}, FormatCase{"%.0f", Args(2.5), "3"},
        FormatCase{"%.0f", Args(-2.5), "-3"}, FormatCase{"%.1e", Args(125.0), "1.3e+02"},
        FormatCase{"%.2g", Args(0.125), "0.13"},
        // One significant digit of 25 is a tie; 3e+01 because the exponent
        // is not below the precision.
        FormatCase{"%.0g", Args(25.0), "3e+01"},
        // Not ties: the binary value lies below the decimal half.
        // 2.675 is 2.67499999999999982236431605997495353221893310546875.
        FormatCase{"%.2f", Args(2.675), "2.67"}, FormatCase{"%.2f", Args(1.005), "1.00"},
        FormatCase{"%.3e", Args(9.9995), "9.999e+00"},
        // ... and above it: 0.05 is 0.05000000000000000277.
        FormatCase{"%.1f", Args(0.05), "0.1"},
        // Just above a half by less than the product's error could show
        // (Python's Decimal of each value), and values past the scaled range.
        FormatCase{"%.3f", Args(0.0005), "0.001"}, FormatCase{"%.2f", Args(123456.785), "123456.79"},
        FormatCase{"%.2f", Args(0.05), "0.05"}, FormatCase{"%.1f", Args(1e15), "1000000000000000.0"},
        FormatCase{"%.1f", Args(1e20), "100000000000000000000.0"}));

INSTANTIATE_TEST_SUITE_P(
    NonFinite, FormatTable,
    ::testing::Values(
        FormatCase{"%.2f mils", Args(kInf), "+INF mils"},
        FormatCase{"%.4f Ohms", Args(-kInf), "-INF Ohms"}, FormatCase{"%f", Args(kNaN), "+NAN"},
        FormatCase{"%f", Args(-kNaN), "-NAN"}, FormatCase{"%e", Args(kInf), "+INF"},
        FormatCase{"%G", Args(-kInf), "-INF"}, FormatCase{"%+.1f", Args(kNaN), "+NAN"},
        FormatCase{"%8.2f|", Args(kInf), "    +INF|"},
        FormatCase{"%08.2f|", Args(kInf), "    +INF|"},  // no zeros before a word
        FormatCase{"%-6f|", Args(-kInf), "-INF  |"},
        // The program's own formats with widths: the word keeps the unit after it.
        FormatCase{"%3.0f um", Args(kNaN), "+NAN um"}, FormatCase{"%4.0f um", Args(-kInf), "-INF um"},
        FormatCase{"%4.0f um", Args(12.4), "  12 um"}, FormatCase{"%.2f:1", Args(kInf), "+INF:1"},
        FormatCase{"%.3f °C", Args(-kNaN), "-NAN °C"}));

// The program's text formats: a result with a warning, a path, an index.
INSTANTIATE_TEST_SUITE_P(
    Texts, FormatTable,
    ::testing::Values(FormatCase{"%s Warning!", Args("12.50 mils"), "12.50 mils Warning!"},
                      FormatCase{"%.4f %s", Args(0.5, "Ohms"), "0.5000 Ohms"},
                      FormatCase{"%s\\%s", Args("C:\\Temp", "QPCBD_Reg.reg"), "C:\\Temp\\QPCBD_Reg.reg"},
                      FormatCase{"%i", Args(16), "16"},
                      FormatCase{"'%s' is not a valid integer value", Args(""), "'' is not a valid integer value"},
                      FormatCase{"%s: %s error", Args("sqrt", "DOMAIN"), "sqrt: DOMAIN error"}));

// Our own rules for what printf leaves undefined.
INSTANTIATE_TEST_SUITE_P(
    Mismatches, FormatTable,
    ::testing::Values(
        FormatCase{"%f", Args(2), "2.000000"}, FormatCase{"%.1f", Args(3ULL), "3.0"},
        FormatCase{"%d", Args(3.99), "3"}, FormatCase{"%d", Args(-3.99), "-3"},
        FormatCase{"%x", Args(255.7), "ff"}, FormatCase{"%d", Args(1e30), "9223372036854775807"},
        FormatCase{"%d", Args(kInf), "+INF"}, FormatCase{"%s", Args(42), "42"},
        FormatCase{"%s", Args(2.5), "2.5"}, FormatCase{"%s", Args(-kInf), "-INF"},
        FormatCase{"%d", Args("abc"), "abc"}, FormatCase{"%5.1f|", Args("x"), "    x|"},
        FormatCase{"%c", Args("xyz"), "x"}, FormatCase{"%c", Args(66.0), "B"},
        // Too few arguments: the conversions without one print nothing.
        FormatCase{"%d and %d", Args(1), "1 and "}, FormatCase{"[%s]", Args(), "[]"},
        FormatCase{"[%*d]", Args(), "[]"}, FormatCase{"[%.*f]", Args(3), "[]"},
        // Unknown conversions and a trailing '%' are copied as written.
        FormatCase{"%y%d", Args(1), "%y1"}, FormatCase{"50%", Args(), "50%"},
        FormatCase{"%5", Args(1), "%5"}));

TEST(Format, VariadicFrontEndConvertsEachArgumentType) {
  const std::string text = std::string("um");
  EXPECT_EQ(Format("%d %u %s %s %.1f %.1f %c", 1, 2U, "a", text, 2.5f, 3.25L, 'z'),
            "1 2 a um 2.5 3.3 z");  // 3.25 is an exact tie: away from zero
  EXPECT_EQ(Format("no conversions"), "no conversions");
}

// True when the exact decimal value of v ends in a 5 just after the kept
// digits: then printf rounds to even and Format away from zero. kind is 'f',
// 'e' or 'g' and precision as in the conversion. glibc prints exact digits.
bool IsExactTie(double v, char kind, int precision) {
  char exact[1600];
  std::snprintf(exact, sizeof exact, "%.1100f", std::fabs(v));
  std::string digits(exact);
  const size_t point = digits.find('.');
  digits.erase(point, 1);
  const size_t first = digits.find_first_not_of('0');
  const size_t last = digits.find_last_not_of('0');
  if (first == std::string::npos) return false;
  // Kept digits after the point; negative when rounding in the integer part.
  const int leading = static_cast<int>(point) - 1 - static_cast<int>(first);
  int kept = precision;
  if (kind == 'e') kept = precision - leading;
  if (kind == 'g') kept = (precision == 0 ? 1 : precision) - 1 - leading;
  const int lastPosition = static_cast<int>(last) - static_cast<int>(point) + 1;
  return lastPosition == kept + 1 && digits[last] == '5';
}

// Format must agree with C printf in the C locale digit for digit: as it
// is away from exact ties, and at ties with printf rounding away from zero
// (glibc's printf follows the rounding mode, so upward for a positive tie
// and downward for a negative one gives exactly that).
TEST(Format, AgreesWithCPrintfRoundingAwayAtTies) {
  const std::string numeric = std::setlocale(LC_NUMERIC, nullptr);
  ASSERT_EQ(numeric, "C");
  struct Conversion {
    const char* format;
    char kind;
    int precision;
  };
  const Conversion conversions[] = {
      {"%.0f", 'f', 0}, {"%.2f", 'f', 2},  {"%.4f", 'f', 4},   {"%f", 'f', 6},
      {"%.12f", 'f', 12}, {"%+12.5f", 'f', 5}, {"%e", 'e', 6}, {"%.3e", 'e', 3},
      {"%.0e", 'e', 0}, {"%-14.2e|", 'e', 2}, {"%g", 'g', 6},  {"%.3g", 'g', 3},
      {"%.15g", 'g', 15}, {"%#g", 'g', 6}};
  std::mt19937_64 random(31);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-30, 30);
  int ties = 0;
  for (int i = 0; i < 3000; ++i) {
    // Half the values get few fractional bits, where ties are common.
    double v = mantissa(random) * std::pow(10.0, exponent(random));
    if (i % 2 == 1) v = std::ldexp(std::round(std::ldexp(v, 8)), -8);
    for (const Conversion& c : conversions) {
      const bool tie = IsExactTie(v, c.kind, c.precision);
      if (tie) {
        ++ties;
        std::fesetround(v > 0 ? FE_UPWARD : FE_DOWNWARD);
      }
      char expected[512];
      std::snprintf(expected, sizeof expected, c.format, v);
      std::fesetround(FE_TONEAREST);
      ASSERT_EQ(FormatV(c.format, {v}), expected) << c.format << " of " << v << (tie ? " (tie)" : "");
    }
  }
  EXPECT_GT(ties, 0) << "the values no longer reach the tie branch";
}

// The Qt front end sets the C library's locale from the environment; under
// a comma locale printf and strtod would write and read "2,5". The number
// module must not notice.
class CommaLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator('.');
    saved_ = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
      GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
  }
  void TearDown() override {
    std::setlocale(LC_ALL, saved_.c_str());
    SetDecimalSeparator('.');
  }
  std::string saved_;
};

TEST_F(CommaLocaleTest, NumberTextsIgnoreTheProcessLocale) {
  // The trap is live: the C library now writes a comma.
  char c_text[32];
  std::snprintf(c_text, sizeof c_text, "%.1f", 2.5);
  ASSERT_STREQ(c_text, "2,5");

  EXPECT_EQ(Format("%.2f mils", 2.5), "2.50 mils");
  EXPECT_EQ(Format("%e", 1.5e20), "1.500000e+20");
  EXPECT_EQ(Format("%g", 0.125), "0.125");
  EXPECT_EQ(Format("%d", 1234567), "1234567");  // no digit grouping either
  EXPECT_EQ(FormatGeneralFloat(1234.5, '.'), "1234.5");
  EXPECT_EQ(FormatGeneralFloat(1.5e-7, '.'), "1.5E-7");
  EXPECT_EQ(ParseLocaleFloat("2.5", '.'), 2.5);
  EXPECT_THROW(ParseLocaleFloat("2,5", '.'), ConvertError);
  EXPECT_EQ(ParseLocaleFloat("2,5", ','), 2.5);
  EXPECT_EQ(NormalizeDecimalInput("2,5"), 2.5);
  EXPECT_EQ(NormalizeDecimalInput("2.5"), 2.5);
  // The program's own comma mode is a separate setting and still works.
  EXPECT_EQ(FormatGeneralFloat(1234.5, ','), "1234,5");
  EXPECT_EQ(ParseLocaleFloat(" 1,5e3 ", ','), 1500.0);
  EXPECT_EQ(TextToInt("-81"), -81);
  EXPECT_EQ(RoundToPowerOfTen(10 / 25.4 * 1000, -2), 393.7);
  EXPECT_EQ(Format("%8.2f|%s", kInf, "x"), "    +INF|x");
  EXPECT_EQ(Format("%s", 2.5), "2.5");
  EXPECT_EQ(Format("%.3g|%#.0f", 1234.5678, 3.0), "1.23e+03|3.");
}

}  // namespace
}  // namespace cq
