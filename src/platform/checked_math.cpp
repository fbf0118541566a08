#include "platform/checked_math.h"

#include <cmath>
#include <limits>
#include <utility>

#include "platform/errors.h"

namespace cq {

namespace {

// Process-wide like the runtime's maths-error hook it stands for.
MathErrorReporter g_reporter;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double report(const char* function, const char* kind, double substitute) {
  if (g_reporter) g_reporter(std::string(function) + ": " + kind + " error");
  return substitute;
}

void requireNumber(double x) {
  if (std::isnan(x)) throw InvalidOpError();
}

bool eitherNaN(double a, double b) { return std::isnan(a) || std::isnan(b); }

// Shared tail of the four operations: the result of finite operands must not
// be infinite, and a NaN from non-NaN operands is an invalid operation.
double checkedResult(double a, double b, double result) {
  if (std::isnan(result)) throw InvalidOpError();
  if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) throw OverflowError();
  return result;
}

}  // namespace

double Div(double a, double b) {
  if (eitherNaN(a, b)) return a / b;
  if (b == 0.0) {
    if (a == 0.0) throw InvalidOpError();
    if (std::isfinite(a)) throw ZeroDivideError();
  }
  return checkedResult(a, b, a / b);
}

double Mul(double a, double b) {
  if (eitherNaN(a, b)) return a * b;
  return checkedResult(a, b, a * b);
}

double Add(double a, double b) {
  if (eitherNaN(a, b)) return a + b;
  return checkedResult(a, b, a + b);
}

double Sub(double a, double b) {
  if (eitherNaN(a, b)) return a - b;
  return checkedResult(a, b, a - b);
}

double CheckFinite(double value) {
  requireNumber(value);
  if (std::isinf(value)) throw OverflowError();
  return value;
}

double CheckNumber(double value) {
  requireNumber(value);
  return value;
}

double Sqrt(double x) {
  requireNumber(x);
  if (x < 0.0) return report("sqrt", "DOMAIN", kNaN);
  return std::sqrt(x);
}

double Log(double x) {
  requireNumber(x);
  if (x < 0.0) return report("log", "DOMAIN", kNaN);
  if (x == 0.0) return report("log", "SING", -kInf);
  return std::log(x);
}

double Log10(double x) {
  requireNumber(x);
  if (x < 0.0) return report("log10", "DOMAIN", kNaN);
  if (x == 0.0) return report("log10", "SING", -kInf);
  return std::log10(x);
}

double Pow(double x, double y) {
  requireNumber(x);
  requireNumber(y);
  if (x < 0.0 && std::isfinite(x) && std::isfinite(y) && std::trunc(y) != y)
    return report("pow", "DOMAIN", kNaN);
  if (x == 0.0 && y < 0.0) return report("pow", "SING", kInf);
  const double result = std::pow(x, y);
  if (std::isinf(result) && std::isfinite(x) && std::isfinite(y))
    return report("pow", "OVERFLOW", result);
  return result;
}

double Exp(double x) {
  requireNumber(x);
  const double result = std::exp(x);
  if (std::isinf(result) && std::isfinite(x)) return report("exp", "OVERFLOW", kInf);
  return result;
}

void SetMathErrorReporter(MathErrorReporter reporter) { g_reporter = std::move(reporter); }

}  // namespace cq
