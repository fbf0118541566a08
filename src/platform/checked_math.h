#pragma once
// Floating-point operations with the framework's error behaviour. C++ does
// not trap, so the steps whose failure matters call these.
#include <functional>
#include <string>

namespace cq {

// Arithmetic that raises as the floating-point unit traps: ZeroDivideError
// for x / 0 (x finite, non-zero), InvalidOpError for an operation with no
// result (0 / 0, inf - inf, 0 * inf, inf / inf), OverflowError when finite
// operands give an infinite result. A NaN operand does not trap: it passes
// through to the result (sqrt(-1) * 2 prints "+NAN"), NaN / 0 included.
// Infinite operands otherwise follow IEEE arithmetic (inf / 0 gives inf)
// and underflow passes silently.
double Div(double a, double b);
double Mul(double a, double b);
double Add(double a, double b);
double Sub(double a, double b);
// Raises InvalidOpError for NaN, OverflowError for an infinity.
double CheckFinite(double value);
// Raises InvalidOpError for NaN, as comparing a value that is not a number
// (a range check) or converting it to an integer traps; infinities pass.
double CheckNumber(double value);

// Mathematical functions with the runtime's error box: on a bad argument
// they report "<name>: <KIND> error" (DOMAIN, SING, OVERFLOW) through the
// installed reporter, then return the substitute (NaN, -inf, +inf). With no
// reporter installed they only return the substitute. A NaN argument raises
// InvalidOpError instead. Underflow passes silently.
//   Sqrt(x < 0): "sqrt: DOMAIN error", NaN.
//   Log/Log10(x < 0): DOMAIN, NaN; (0): "log: SING error", -inf.
//   Exp(finite x too large): "exp: OVERFLOW error", +inf.
//   Pow(x < 0, finite y not an integer): "pow: DOMAIN error", NaN.
//   Pow(0, y < 0): "pow: SING error", +inf.
//   Pow(finite x, finite y) too large: "pow: OVERFLOW error", the infinity
//   of the result's sign (-inf for a negative base and an odd exponent).
//   Infinite arguments follow std::pow without a report (pow(2, inf) is inf).
double Sqrt(double x);
double Log(double x);
double Log10(double x);
double Pow(double x, double y);
double Exp(double x);

// The reporter shows the maths-error box; the application installs it. It
// is process-wide, like the runtime hook it stands for; an empty reporter
// shows nothing.
using MathErrorReporter = std::function<void(const std::string& text)>;
void SetMathErrorReporter(MathErrorReporter reporter);

}  // namespace cq
