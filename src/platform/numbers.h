#pragma once
// The one place where numbers become texts and texts numbers. Nothing here
// depends on the process locale: the decimal separator is the program's own
// setting (read once from the user's locale at start).
#include <optional>
#include <string>
#include <string_view>

namespace cq {

// The decimal separator used by ParseLocaleFloat and FormatGeneralFloat.
// Anything other than ',' is treated as '.'.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// Strict text to double: optional blanks, optional sign, digits with at most
// one separator (at least one digit), optional exponent (e/E, optional sign,
// digits), optional blanks. Anything else, or a value beyond the double
// range, raises ConvertError "'<text>' is not a valid floating point value".
// Blanks are spaces and tabs. "1." and ".5" are numbers, a lone separator
// is not; "inf", "nan", hex, digit grouping and the other separator are
// rejected. A value too small for a double reads as zero (or a subnormal).
double ParseLocaleFloat(std::string_view text);
double ParseLocaleFloat(std::string_view text, char separator);

// The same rule without the error: nothing when the text is no number.
std::optional<double> TryParseLocaleFloat(std::string_view text);

// Strict text to 32-bit int: optional blanks, optional sign, digits, optional
// blanks. Raises ConvertError "'<text>' is not a valid integer value", also
// for a value outside -2147483648 .. 2147483647.
int TextToInt(std::string_view text);
// The same rule without the error: nothing when the text is no integer.
std::optional<int> TryTextToInt(std::string_view text);

// Shortest general form with up to 15 significant digits: fixed notation for
// decimal exponents -5 .. 14, otherwise "d.dddE[-]x" (for example "1.5E20",
// "1E-7", "-2.5E-9": no '+' and no leading zeros in the exponent). The
// value is rounded to 15 significant digits and trailing zeros are dropped.
// NaN, +inf and -inf give "NAN", "INF" and "-INF"; -0 gives "0". Every text
// written reads back with ParseLocaleFloat: at the top of the double range,
// where rounding up would pass the largest double, the digits are cut.
std::string FormatGeneralFloat(double value);
std::string FormatGeneralFloat(double value, char separator);

// When comma is true, the first '.' of text becomes ','.
std::string LocalizeDecimalPoint(std::string text, bool comma);
// When comma is true, every '.' of text becomes ',' (a text of several
// numbers).
std::string LocalizeDecimalPoints(std::string text, bool comma);

// Every ',' becomes '.', then the text is read with '.' as separator,
// whatever the locale. Raises ConvertError naming the text as typed.
double NormalizeDecimalInput(std::string_view text);
// The same rule without the error.
std::optional<double> TryNormalizeDecimalInput(std::string_view text);

// Round to a multiple of 10^digit (digit -2 keeps two decimals). The scaled
// value is computed in long double. A value whose double lies within its own
// precision of a half counts as that half, since the decimal the user typed
// is stored just beside it: 1.2345 at -3 is a tie although its binary value
// is a little below 1.2345. The result is the double nearest the rounded
// decimal (0.254 at -4 gives exactly the double 0.254). NaN, infinities and
// zeros come back unchanged.
double RoundToPowerOfTen(double value, int digit);         // halves away from zero
double BankersRoundToPowerOfTen(double value, int digit);  // halves to even

}  // namespace cq
