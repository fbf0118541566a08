#include "platform/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>

#include "platform/errors.h"

namespace cq {

namespace {

char g_separator = '.';

char normalSeparator(char separator) { return separator == ',' ? ',' : '.'; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string floatError(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid floating point value";
}

// Checks the grammar ourselves and hands from_chars only a plain
// "[-]digits[.digits][e[-]digits]" copy: from_chars alone would take "inf",
// "nan" and hex, and strtod would follow the process locale.
std::optional<double> parseFloat(std::string_view text, char separator) {
  const std::string_view s = trimBlanks(text);
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

  const size_t intStart = i;
  while (i < s.size() && isDigit(s[i])) ++i;
  const std::string_view intDigits = s.substr(intStart, i - intStart);
  std::string_view fracDigits;
  if (i < s.size() && s[i] == separator) {
    const size_t fracStart = ++i;
    while (i < s.size() && isDigit(s[i])) ++i;
    fracDigits = s.substr(fracStart, i - fracStart);
  }
  if (intDigits.empty() && fracDigits.empty()) return std::nullopt;

  bool expNegative = false;
  std::string_view expDigits;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) expNegative = s[i++] == '-';
    const size_t expStart = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    expDigits = s.substr(expStart, i - expStart);
    if (expDigits.empty()) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;

  std::string plain;
  plain.reserve(s.size() + 2);
  if (negative) plain += '-';
  if (intDigits.empty()) plain += '0';
  plain += intDigits;
  if (!fracDigits.empty()) {
    plain += '.';
    plain += fracDigits;
  }
  if (!expDigits.empty()) {
    plain += 'e';
    if (expNegative) plain += '-';
    plain += expDigits;
  }

  double value = 0.0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec == std::errc() && end == plain.data() + plain.size()) return value;
  if (ec != std::errc::result_out_of_range) return std::nullopt;

  // Out of range is either overflow (an error) or underflow to zero (a
  // value of zero). Tell them apart by the decimal exponent of the first
  // significant digit; the exponent saturates so huge ones cannot wrap.
  long long exponent = 0;
  for (char c : expDigits) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > 1'000'000'000'000LL) break;
  }
  if (expNegative) exponent = -exponent;
  long long lead = static_cast<long long>(intDigits.size()) - 1;
  size_t k = 0;
  while (k < intDigits.size() && intDigits[k] == '0') ++k, --lead;
  if (k == intDigits.size()) {
    size_t f = 0;
    while (f < fracDigits.size() && fracDigits[f] == '0') ++f;
    lead = -static_cast<long long>(f) - 1;
  }
  if (lead + exponent < 0) return negative ? -0.0 : 0.0;
  return std::nullopt;
}

}  // namespace

char DecimalSeparator() { return g_separator; }

void SetDecimalSeparator(char separator) { g_separator = normalSeparator(separator); }

double ParseLocaleFloat(std::string_view text) { return ParseLocaleFloat(text, g_separator); }

double ParseLocaleFloat(std::string_view text, char separator) {
  if (auto value = parseFloat(text, normalSeparator(separator))) return *value;
  throw ConvertError(floatError(text));
}

std::optional<double> TryParseLocaleFloat(std::string_view text) {
  return parseFloat(text, g_separator);
}

std::optional<int> TryTextToInt(std::string_view text) {
  const std::string_view s = trimBlanks(text);
  std::string_view digits = s;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  bool valid = !digits.empty();
  for (char c : digits) valid = valid && isDigit(c);
  if (valid) {
    // Parse the digits with their sign so that -2147483648 fits.
    std::string signedDigits = negative ? "-" : "";
    signedDigits += digits;
    int value = 0;
    const auto [end, ec] =
        std::from_chars(signedDigits.data(), signedDigits.data() + signedDigits.size(), value);
    if (ec == std::errc() && end == signedDigits.data() + signedDigits.size()) return value;
  }
  return std::nullopt;
}

int TextToInt(std::string_view text) {
  if (auto value = TryTextToInt(text)) return *value;
  throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::string FormatGeneralFloat(double value) { return FormatGeneralFloat(value, g_separator); }

std::string FormatGeneralFloat(double value, char separator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  // Negative zero reads "0": a minus on nothing means nothing to a user.
  if (value == 0.0) return "0";
  const char sep = normalSeparator(separator);

  // to_chars rounds correctly to 15 significant digits: "-d.ddddddddddddddde+x".
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  const std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
  const bool negative = sci.front() == '-';
  const std::string_view body = negative ? sci.substr(1) : sci;
  const size_t ePos = body.find('e');
  std::string digits;
  digits += body[0];
  digits += body.substr(2, ePos - 2);
  std::string_view expText = body.substr(ePos + 1);
  if (expText.front() == '+') expText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(expText.data(), expText.data() + expText.size(), exponent);

  // Near the top of the range, rounding up can give a text beyond the
  // largest double; cut it instead so every text written reads back.
  if (exponent >= 308) {
    const std::string probe = digits.substr(0, 1) + "." + digits.substr(1) + "e" +
                              std::to_string(exponent);
    double check = 0.0;
    if (std::from_chars(probe.data(), probe.data() + probe.size(), check).ec != std::errc()) {
      size_t k = digits.size();
      while (k > 0 && digits[k - 1] == '0') digits[--k] = '9';
      if (k > 0) --digits[k - 1];
    }
  }

  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= -5 && exponent <= 14) {
    if (exponent >= 0) {
      const size_t intLen = static_cast<size_t>(exponent) + 1;
      if (digits.size() <= intLen) {
        out += digits;
        out.append(intLen - digits.size(), '0');
      } else {
        out += digits.substr(0, intLen);
        out += sep;
        out += digits.substr(intLen);
      }
    } else {
      out += '0';
      out += sep;
      out.append(static_cast<size_t>(-exponent - 1), '0');
      out += digits;
    }
  } else {
    out += digits[0];
    if (digits.size() > 1) {
      out += sep;
      out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent);
  }
  return out;
}

std::string LocalizeDecimalPoint(std::string text, bool comma) {
  if (comma) {
    const size_t pos = text.find('.');
    if (pos != std::string::npos) text[pos] = ',';
  }
  return text;
}

std::string LocalizeDecimalPoints(std::string text, bool comma) {
  if (comma) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::optional<double> TryNormalizeDecimalInput(std::string_view text) {
  std::string dotted(text);
  for (char& c : dotted)
    if (c == ',') c = '.';
  return parseFloat(dotted, '.');
}

double NormalizeDecimalInput(std::string_view text) {
  if (auto value = TryNormalizeDecimalInput(text)) return *value;
  throw ConvertError(floatError(text));
}

namespace {

// Rounds value to a multiple of 10^digit. The scaled value is computed in
// long double; a scaled value within the double's own precision of a half
// counts as the half, since the user's decimal text (1.2345, 2.675) is
// stored in binary just beside it. The result is read back from the decimal
// text of the rounded value, so 0.254 at -4 gives the double nearest 0.254.
double roundToPowerOfTen(double value, int digit, bool halvesToEven) {
  if (!std::isfinite(value) || value == 0.0) return value;
  // Past 10^+-400 every double rounds to 0 or stays as it is; the clamp
  // keeps the arithmetic below in range.
  digit = std::clamp(digit, -400, 400);
  const long double power = std::pow(10.0L, static_cast<long double>(std::abs(digit)));
  const long double magnitude = std::fabs(static_cast<long double>(value));
  const long double scaled = digit < 0 ? magnitude * power : magnitude / power;
  // Beyond 1e18 every significant digit of a double lies above the rounding
  // position, so rounding cannot change it.
  if (!(scaled < 1e18L)) return value;

  const long double gap =
      static_cast<long double>(std::nextafter(std::fabs(value), INFINITY) - std::fabs(value));
  const long double tolerance =
      (digit < 0 ? gap * power : gap / power) / 2 + scaled * 0x1p-62L;
  const long double whole = std::floor(scaled);
  const long double fraction = scaled - whole;
  long double rounded = whole;
  if (std::fabs(fraction - 0.5L) <= tolerance) {
    if (!halvesToEven || std::fmod(whole, 2.0L) != 0.0L) rounded = whole + 1;
  } else if (fraction > 0.5L) {
    rounded = whole + 1;
  }

  std::string text = value < 0 ? "-" : "";
  text += std::to_string(static_cast<unsigned long long>(rounded));
  text += 'e';
  text += std::to_string(digit);
  double result = 0.0;
  if (std::from_chars(text.data(), text.data() + text.size(), result).ec != std::errc()) {
    // Only reachable for digit near the ends of the exponent range.
    return rounded == 0 ? std::copysign(0.0, value) : std::copysign(HUGE_VAL, value);
  }
  return result;
}

}  // namespace

double RoundToPowerOfTen(double value, int digit) { return roundToPowerOfTen(value, digit, false); }

double BankersRoundToPowerOfTen(double value, int digit) {
  return roundToPowerOfTen(value, digit, true);
}

}  // namespace cq
