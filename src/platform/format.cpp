#include "platform/format.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "platform/numbers.h"

namespace cq {

namespace {

// Widths and precisions beyond this are taken as this, so that a stray
// "%999999999d" cannot ask for gigabytes.
constexpr int kMaxField = 100000;

struct Directive {
  bool left = false;
  bool plus = false;
  bool space = false;
  bool zero = false;
  bool alt = false;
  bool wide = false;  // an l, ll, j, z or t length modifier
  int width = 0;
  int precision = -1;  // -1: none given
  char conversion = 0;
};

// Writes prefix (sign, "0x") and body into out, padded to the field width.
// Zero padding goes between the prefix and the body.
void emit(std::string& out, const Directive& directive, std::string_view prefix, std::string_view body,
          bool zeroPadAllowed) {
  const size_t length = prefix.size() + body.size();
  const size_t width = static_cast<size_t>(directive.width);
  const size_t pad = width > length ? width - length : 0;
  if (directive.left) {
    out += prefix;
    out += body;
    out.append(pad, ' ');
  } else if (directive.zero && zeroPadAllowed) {
    out += prefix;
    out.append(pad, '0');
    out += body;
  } else {
    out.append(pad, ' ');
    out += prefix;
    out += body;
  }
}

std::string nonFiniteText(double value) {
  std::string text = std::signbit(value) ? "-" : "+";
  text += std::isnan(value) ? "NAN" : "INF";
  return text;
}

// The count of fractional digits of a double's exact decimal expansion.
int fractionDigits(double magnitude) {
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);
  const auto mantissa = static_cast<unsigned long long>(std::ldexp(fraction, 53));
  if (mantissa == 0) return 0;
  return std::max(0, 53 - exponent - std::countr_zero(mantissa));
}

// The exact decimal expansion of a finite, non-negative double: every binary
// fraction has a finite decimal one, with as many fractional digits as the
// value has fractional bits. Rounding on these digits makes exact ties
// visible, so they can go away from zero.
struct Decimal {
  std::string digits;  // integer digits (at least one) then fraction digits
  int intLen = 1;
};

Decimal exactDecimal(double magnitude) {
  const int fracDigits = fractionDigits(magnitude);
  char buf[1600];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, fracDigits);
  Decimal d;
  const std::string_view text(buf, static_cast<size_t>(res.ptr - buf));
  const size_t point = text.find('.');
  if (point == std::string_view::npos) {
    d.digits = std::string(text);
  } else {
    d.digits = std::string(text.substr(0, point));
    d.digits += text.substr(point + 1);
  }
  d.intLen = static_cast<int>(point == std::string_view::npos ? text.size() : point);
  return d;
}

// Keeps the first count digits, rounding half up on the magnitude (so ties
// go away from zero). Returns true when a carry added a leading digit.
bool roundDigits(std::string& digits, size_t count) {
  if (count >= digits.size()) {
    digits.append(count - digits.size(), '0');
    return false;
  }
  const bool up = digits[count] >= '5';
  digits.resize(count);
  if (!up) return false;
  for (size_t i = count; i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
  return true;
}

// Fixed notation without building the exact expansion. When the expansion
// runs past the first dropped digit, no exact tie is possible, so rounding
// to nearest gives what half-up on the exact digits gives.
// Small precisions of moderate values: the scaled value rounded as an
// integer. The product's error is far below the margin asked of its
// fraction, so only values that lie close to a half fall back.
bool scaledFixedBody(double magnitude, int precision, bool alt, std::string& body) {
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
  if (precision > 9) return false;
  const double scaled = magnitude * kPowersOfTen[precision];
  if (!(scaled < 0x1p51)) return false;
  const double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  if (std::fabs(fraction - 0.5) <= scaled * 0x1p-48 + 0x1p-40) return false;
  const auto rounded = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, rounded).ptr;
  const auto count = static_cast<size_t>(end - digits);
  const auto fractional = static_cast<size_t>(precision);
  std::string all(count <= fractional ? fractional + 1 - count : 0, '0');
  all.append(digits, count);
  const size_t intLen = all.size() - fractional;
  body.assign(all, 0, intLen);
  if (precision > 0 || alt) body += '.';
  body.append(all, intLen, std::string::npos);
  return true;
}

bool quickFixedBody(double magnitude, int precision, bool alt, std::string& body) {
  if (scaledFixedBody(magnitude, precision, alt, body)) return true;
  if (precision > 400 || fractionDigits(magnitude) <= precision + 1) return false;
  char buf[800];
  const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, precision);
  if (res.ec != std::errc()) return false;
  body.assign(buf, res.ptr);
  if (precision == 0 && alt) body += '.';
  return true;
}

std::string fixedBody(const Decimal& exact, int precision, bool alt) {
  std::string digits = exact.digits;
  int intLen = exact.intLen;
  if (roundDigits(digits, static_cast<size_t>(intLen + precision))) ++intLen;
  std::string body = digits.substr(0, static_cast<size_t>(intLen));
  if (precision > 0 || alt) body += '.';
  body += digits.substr(static_cast<size_t>(intLen));
  return body;
}

// Significant digits rounded to count, and the decimal exponent of the first.
std::string significant(const Decimal& exact, size_t count, int& exponent) {
  const size_t first = exact.digits.find_first_not_of('0');
  if (first == std::string::npos) {
    exponent = 0;
    return std::string(count, '0');
  }
  exponent = exact.intLen - 1 - static_cast<int>(first);
  std::string digits = exact.digits.substr(first);
  if (roundDigits(digits, count)) {
    ++exponent;
    digits.pop_back();
  }
  return digits;
}

std::string exponentBody(const Decimal& exact, int precision, bool alt, bool upper) {
  int exponent = 0;
  const std::string digits = significant(exact, static_cast<size_t>(precision) + 1, exponent);
  std::string body(1, digits[0]);
  if (precision > 0 || alt) body += '.';
  body += digits.substr(1);
  body += upper ? 'E' : 'e';
  body += exponent < 0 ? '-' : '+';
  const int magnitude = std::abs(exponent);
  if (magnitude < 10) body += '0';
  body += std::to_string(magnitude);
  return body;
}

void stripFractionZeros(std::string& body) {
  const size_t point = body.find('.');
  if (point == std::string::npos) return;
  const size_t ePos = body.find_first_of("eE");
  const size_t end = ePos == std::string::npos ? body.size() : ePos;
  size_t last = end;
  while (last > point + 1 && body[last - 1] == '0') --last;
  if (last == point + 1) last = point;
  body.erase(last, end - last);
}

void formatFloat(std::string& out, const Directive& directive, double value) {
  if (!std::isfinite(value)) {
    emit(out, directive, "", nonFiniteText(value), false);
    return;
  }
  const bool negative = std::signbit(value);
  const std::string sign = negative ? "-" : directive.plus ? "+" : directive.space ? " " : "";
  const char c = directive.conversion;
  const int precision = directive.precision < 0 ? 6 : directive.precision;
  std::string body;
  if ((c == 'f' || c == 'F') && quickFixedBody(std::fabs(value), precision, directive.alt, body)) {
    emit(out, directive, sign, body, true);
    return;
  }
  const Decimal exact = exactDecimal(std::fabs(value));
  if (c == 'f' || c == 'F') {
    body = fixedBody(exact, precision, directive.alt);
  } else if (c == 'e' || c == 'E') {
    body = exponentBody(exact, precision, directive.alt, c == 'E');
  } else {  // g G
    const int p = precision == 0 ? 1 : precision;
    int exponent = 0;
    significant(exact, static_cast<size_t>(p), exponent);
    if (exponent < p && exponent >= -4)
      body = fixedBody(exact, p - 1 - exponent, directive.alt);
    else
      body = exponentBody(exact, p - 1, directive.alt, c == 'G');
    if (!directive.alt) stripFractionZeros(body);
  }
  emit(out, directive, sign, body, true);
}

// An integer argument as sign and magnitude; a double is truncated.
struct Integer {
  bool negative = false;
  unsigned long long magnitude = 0;
};

Integer fromSigned(long long v) {
  return {v < 0, v < 0 ? 0ULL - static_cast<unsigned long long>(v)
                       : static_cast<unsigned long long>(v)};
}

long long truncateDouble(double v) {
  if (v >= 9.2233720368547758e18) return LLONG_MAX;
  if (v <= -9.2233720368547758e18) return LLONG_MIN;
  return static_cast<long long>(v);
}

void formatInteger(std::string& out, const Directive& directive, Integer value) {
  const char c = directive.conversion;
  const bool isSigned = c == 'd' || c == 'i';
  if (!isSigned && value.negative) {
    // Unsigned conversions show a negative value in two's complement; an
    // int-sized value wraps at 32 bits as printf does for an int argument.
    const unsigned long long bits = 0ULL - value.magnitude;
    const bool fitsInt = value.magnitude <= 0x80000000ULL;
    value = {false, (fitsInt && !directive.wide) ? (bits & 0xFFFFFFFFULL) : bits};
  }
  char buf[32];
  const int base = (c == 'x' || c == 'X') ? 16 : 10;
  const auto res = std::to_chars(buf, buf + sizeof buf, value.magnitude, base);
  std::string digits(buf, res.ptr);
  if (c == 'X')
    for (char& ch : digits)
      if (ch >= 'a' && ch <= 'f') ch = static_cast<char>(ch - 'a' + 'A');
  if (directive.precision >= 0) {
    if (directive.precision == 0 && value.magnitude == 0) digits.clear();
    if (digits.size() < static_cast<size_t>(directive.precision))
      digits.insert(0, static_cast<size_t>(directive.precision) - digits.size(), '0');
  }
  std::string prefix;
  if (isSigned) prefix = value.negative ? "-" : directive.plus ? "+" : directive.space ? " " : "";
  if (directive.alt && base == 16 && value.magnitude != 0) prefix = c == 'X' ? "0X" : "0x";
  emit(out, directive, prefix, digits, directive.precision < 0);
}

void formatString(std::string& out, const Directive& directive, std::string_view text) {
  if (directive.precision >= 0 && text.size() > static_cast<size_t>(directive.precision))
    text = text.substr(0, static_cast<size_t>(directive.precision));
  emit(out, directive, "", text, false);
}

std::string argAsText(const FormatArg& arg) {
  if (const auto* s = std::get_if<std::string>(&arg)) return *s;
  if (const auto* d = std::get_if<double>(&arg))
    return std::isfinite(*d) ? FormatGeneralFloat(*d, '.') : nonFiniteText(*d);
  if (const auto* u = std::get_if<unsigned long long>(&arg)) return std::to_string(*u);
  return std::to_string(std::get<long long>(arg));
}

void formatArg(std::string& out, const Directive& directive, const FormatArg& arg) {
  const char c = directive.conversion;
  // A text given to a numeric conversion is shown as it is.
  if (const auto* s = std::get_if<std::string>(&arg); s && c != 'c') {
    formatString(out, directive, *s);
    return;
  }
  switch (c) {
    case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': {
      double v = 0.0;
      if (const auto* d = std::get_if<double>(&arg)) v = *d;
      else if (const auto* i = std::get_if<long long>(&arg)) v = static_cast<double>(*i);
      else v = static_cast<double>(std::get<unsigned long long>(arg));
      formatFloat(out, directive, v);
      return;
    }
    case 'd': case 'i': case 'u': case 'x': case 'X': {
      Integer v;
      if (const auto* d = std::get_if<double>(&arg)) {
        if (!std::isfinite(*d)) {
          emit(out, directive, "", nonFiniteText(*d), false);
          return;
        }
        v = fromSigned(truncateDouble(*d));
      } else if (const auto* i = std::get_if<long long>(&arg)) {
        v = fromSigned(*i);
      } else {
        v = {false, std::get<unsigned long long>(arg)};
      }
      formatInteger(out, directive, v);
      return;
    }
    case 'c': {
      char ch = 0;
      if (const auto* s = std::get_if<std::string>(&arg)) {
        if (s->empty()) {
          emit(out, directive, "", "", false);
          return;
        }
        ch = (*s)[0];
      } else if (const auto* d = std::get_if<double>(&arg)) {
        ch = static_cast<char>(std::isfinite(*d) ? truncateDouble(*d) & 0xFF : 0);
      } else if (const auto* i = std::get_if<long long>(&arg)) {
        ch = static_cast<char>(*i & 0xFF);
      } else {
        ch = static_cast<char>(std::get<unsigned long long>(arg) & 0xFF);
      }
      emit(out, directive, "", std::string_view(&ch, 1), false);
      return;
    }
    default:  // 's'
      formatString(out, directive, argAsText(arg));
      return;
  }
}

int argAsInt(const FormatArg& arg) {
  long long v = 0;
  if (const auto* i = std::get_if<long long>(&arg)) v = *i;
  else if (const auto* u = std::get_if<unsigned long long>(&arg))
    v = static_cast<long long>(std::min<unsigned long long>(*u, kMaxField));
  else if (const auto* d = std::get_if<double>(&arg))
    v = std::isfinite(*d) ? truncateDouble(*d) : 0;
  return static_cast<int>(std::clamp<long long>(v, -kMaxField, kMaxField));
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int readNumber(std::string_view format, size_t& pos) {
  int value = 0;
  while (pos < format.size() && isDigit(format[pos])) {
    value = std::min(kMaxField, value * 10 + (format[pos] - '0'));
    ++pos;
  }
  return value;
}

}  // namespace

std::string FormatV(std::string_view format, const std::vector<FormatArg>& args) {
  std::string out;
  size_t next = 0;  // index of the next argument
  // Too few arguments: the conversions without one print nothing.
  auto take = [&]() -> const FormatArg* { return next < args.size() ? &args[next++] : nullptr; };

  size_t pos = 0;
  while (pos < format.size()) {
    const size_t percent = format.find('%', pos);
    if (percent == std::string_view::npos) {
      out += format.substr(pos);
      break;
    }
    out += format.substr(pos, percent - pos);
    pos = percent + 1;

    Directive directive;
    for (; pos < format.size(); ++pos) {
      const char f = format[pos];
      if (f == '-') directive.left = true;
      else if (f == '+') directive.plus = true;
      else if (f == ' ') directive.space = true;
      else if (f == '0') directive.zero = true;
      else if (f == '#') directive.alt = true;
      else break;
    }
    if (pos < format.size() && format[pos] == '*') {
      ++pos;
      if (const FormatArg* a = take()) {
        const int w = argAsInt(*a);
        if (w < 0) directive.left = true;
        directive.width = std::abs(w);
      }
    } else {
      directive.width = readNumber(format, pos);
    }
    if (pos < format.size() && format[pos] == '.') {
      ++pos;
      if (pos < format.size() && format[pos] == '*') {
        ++pos;
        const FormatArg* a = take();
        const int p = a ? argAsInt(*a) : 0;
        directive.precision = p < 0 ? -1 : p;
      } else {
        directive.precision = readNumber(format, pos);
      }
    }
    while (pos < format.size() && std::string_view("hlLqjzt").find(format[pos]) != std::string_view::npos) {
      if (std::string_view("lLqjzt").find(format[pos]) != std::string_view::npos) directive.wide = true;
      ++pos;
    }
    if (pos >= format.size()) {  // a lone '%' at the end stays as written
      out += format.substr(percent);
      break;
    }
    directive.conversion = format[pos++];
    if (directive.conversion == '%') {
      out += '%';
      continue;
    }
    if (std::string_view("diuxXcsfFeEgG").find(directive.conversion) == std::string_view::npos) {
      out += format.substr(percent, pos - percent);  // unknown conversion: as written
      continue;
    }
    if (const FormatArg* a = take()) formatArg(out, directive, *a);
  }
  return out;
}

}  // namespace cq
