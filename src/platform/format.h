#pragma once
// printf-style formatting that never depends on the process locale.
// Conversions: d i u x X c s f F e E g G %, flags - + space 0 #, width,
// precision, '*'. Floating values that are not finite print "+NAN", "-NAN",
// "+INF" or "-INF" in place of the number; exact decimal ties round away
// from zero (0.125 with "%.2f" gives "0.13"; 2.675, a little below the tie
// in binary, gives "2.67"). The exponent of %e has at least two digits.
// Length modifiers (h l ll L j z t) are accepted and ignored. Widths and
// precisions above 100000 count as 100000.
//
// Arguments that do not match their conversion are converted: an integer
// to a floating conversion prints as a double, a double to an integer
// conversion is truncated (its non-finite texts as above), a text given to
// a numeric conversion prints as it is, a number to %s prints in its
// shortest form. A negative value for %u, %x or %X prints in two's
// complement, 32 bits wide when it fits an int and no l/ll is given, as
// printf does for an int. A conversion without an argument left prints
// nothing; an unknown conversion is copied as written.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cq {

using FormatArg = std::variant<long long, unsigned long long, double, std::string>;

std::string FormatV(std::string_view format, const std::vector<FormatArg>& args);

namespace detail {
inline FormatArg toFormatArg(double v) { return v; }
inline FormatArg toFormatArg(float v) { return static_cast<double>(v); }
inline FormatArg toFormatArg(long double v) { return static_cast<double>(v); }
inline FormatArg toFormatArg(int v) { return static_cast<long long>(v); }
inline FormatArg toFormatArg(long v) { return static_cast<long long>(v); }
inline FormatArg toFormatArg(long long v) { return v; }
inline FormatArg toFormatArg(unsigned v) { return static_cast<unsigned long long>(v); }
inline FormatArg toFormatArg(unsigned long v) { return static_cast<unsigned long long>(v); }
inline FormatArg toFormatArg(unsigned long long v) { return v; }
inline FormatArg toFormatArg(char v) { return static_cast<long long>(v); }
inline FormatArg toFormatArg(const char* v) { return std::string(v); }
inline FormatArg toFormatArg(std::string v) { return v; }
inline FormatArg toFormatArg(std::string_view v) { return std::string(v); }
}  // namespace detail

template <typename... Args>
std::string Format(std::string_view format, Args&&... args) {
  return FormatV(format, {detail::toFormatArg(std::forward<Args>(args))...});
}

}  // namespace cq
