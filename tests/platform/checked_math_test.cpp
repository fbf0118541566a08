#include "platform/checked_math.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/format.h"

namespace cq {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Records what the error box would show; the reporter is process-wide, so
// it is removed again after each test.
class MathErrorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMathErrorReporter([this](const std::string& text) { reports_.push_back(text); });
  }
  void TearDown() override { SetMathErrorReporter(nullptr); }
  std::vector<std::string> reports_;
};

// Same double, NaN included, and the same sign (so -inf and -0 count).
void ExpectSameDouble(double actual, double expected) {
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(actual)) << actual;
  } else {
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(std::signbit(actual), std::signbit(expected)) << actual;
  }
}

// ---------------------------------------------------------------------------
// The mathematical functions: report text (empty: none) and the value.

struct FunctionCase {
  const char* label;
  std::function<double()> call;
  const char* report;
  double result;
};

std::ostream& operator<<(std::ostream& os, const FunctionCase& c) { return os << c.label; }

class MathFunctionTable : public MathErrorTest,
                          public ::testing::WithParamInterface<FunctionCase> {};

TEST_P(MathFunctionTable, ReportsAndSubstitutes) {
  const FunctionCase& c = GetParam();
  ExpectSameDouble(c.call(), c.result);
  if (*c.report == '\0') {
    EXPECT_TRUE(reports_.empty()) << reports_.front();
  } else {
    EXPECT_EQ(reports_, std::vector<std::string>{c.report});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Functions, MathFunctionTable,
    ::testing::Values(
        FunctionCase{"sqrt(4)", [] { return Sqrt(4.0); }, "", 2.0},
        FunctionCase{"sqrt(-1)", [] { return Sqrt(-1.0); }, "sqrt: DOMAIN error", kNaN},
        FunctionCase{"sqrt(-inf)", [] { return Sqrt(-kInf); }, "sqrt: DOMAIN error", kNaN},
        FunctionCase{"sqrt(-0)", [] { return Sqrt(-0.0); }, "", -0.0},
        FunctionCase{"sqrt(inf)", [] { return Sqrt(kInf); }, "", kInf},
        FunctionCase{"log(1)", [] { return Log(1.0); }, "", 0.0},
        FunctionCase{"log(0)", [] { return Log(0.0); }, "log: SING error", -kInf},
        FunctionCase{"log(-0)", [] { return Log(-0.0); }, "log: SING error", -kInf},
        FunctionCase{"log(-1)", [] { return Log(-1.0); }, "log: DOMAIN error", kNaN},
        FunctionCase{"log(subnormal)", [] { return Log(5e-324); }, "", std::log(5e-324)},
        FunctionCase{"log10(1000)", [] { return Log10(1000.0); }, "", 3.0},
        FunctionCase{"log10(0)", [] { return Log10(0.0); }, "log10: SING error", -kInf},
        FunctionCase{"log10(-5)", [] { return Log10(-5.0); }, "log10: DOMAIN error", kNaN},
        FunctionCase{"exp(0)", [] { return Exp(0.0); }, "", 1.0},
        // ln(DBL_MAX) is 709.78: 709 fits, 710 does not.
        FunctionCase{"exp(709)", [] { return Exp(709.0); }, "", std::exp(709.0)},
        FunctionCase{"exp(710)", [] { return Exp(710.0); }, "exp: OVERFLOW error", kInf},
        FunctionCase{"exp(-1000)", [] { return Exp(-1000.0); }, "", 0.0},  // underflow: silent
        FunctionCase{"exp(inf)", [] { return Exp(kInf); }, "", kInf},
        FunctionCase{"exp(-inf)", [] { return Exp(-kInf); }, "", 0.0},
        FunctionCase{"pow(2,10)", [] { return Pow(2.0, 10.0); }, "", 1024.0},
        FunctionCase{"pow(-2,3)", [] { return Pow(-2.0, 3.0); }, "", -8.0},
        FunctionCase{"pow(0,0)", [] { return Pow(0.0, 0.0); }, "", 1.0},
        FunctionCase{"pow(0,2)", [] { return Pow(0.0, 2.0); }, "", 0.0},
        FunctionCase{"pow(-8,1/3)", [] { return Pow(-8.0, 1.0 / 3.0); }, "pow: DOMAIN error",
                     kNaN},
        FunctionCase{"pow(-2,0.5)", [] { return Pow(-2.0, 0.5); }, "pow: DOMAIN error", kNaN},
        FunctionCase{"pow(0,-1)", [] { return Pow(0.0, -1.0); }, "pow: SING error", kInf},
        FunctionCase{"pow(0,-0.5)", [] { return Pow(0.0, -0.5); }, "pow: SING error", kInf},
        FunctionCase{"pow(10,309)", [] { return Pow(10.0, 309.0); }, "pow: OVERFLOW error", kInf},
        FunctionCase{"pow(-10,309)", [] { return Pow(-10.0, 309.0); }, "pow: OVERFLOW error",
                     -kInf},
        FunctionCase{"pow(10,-400)", [] { return Pow(10.0, -400.0); }, "", 0.0},
        FunctionCase{"pow(2,inf)", [] { return Pow(2.0, kInf); }, "", kInf},
        FunctionCase{"pow(inf,-1)", [] { return Pow(kInf, -1.0); }, "", 0.0}));

// A NaN argument is not a bad argument for the box: the operation traps.
TEST_F(MathErrorTest, NaNArgumentsRaiseInvalidOperationWithoutReport) {
  const std::vector<std::function<double()>> calls = {
      [] { return Sqrt(kNaN); },       [] { return Log(kNaN); },
      [] { return Log10(-kNaN); },     [] { return Exp(kNaN); },
      [] { return Pow(kNaN, 2.0); },   [] { return Pow(2.0, kNaN); },
      [] { return Pow(kNaN, 0.0); }};
  for (const auto& call : calls) EXPECT_THROW(call(), InvalidOpError);
  EXPECT_TRUE(reports_.empty());
}

// The sequence of a solve that takes a bad square root: the box, then the
// next operation on its NaN ends the solve.
TEST_F(MathErrorTest, SubstituteNaNTrapsInTheNextFunction) {
  const double root = Sqrt(-4.0);
  EXPECT_EQ(reports_, std::vector<std::string>{"sqrt: DOMAIN error"});
  try {
    Log(root);
    ADD_FAILURE() << "Log of NaN did not raise";
  } catch (const InvalidOpError& e) {
    EXPECT_STREQ(e.what(), "Invalid floating point operation");
  }
  EXPECT_EQ(reports_.size(), 1u);
}

TEST(MathErrorReporter, NoReporterShowsNothingAndStillSubstitutes) {
  SetMathErrorReporter(nullptr);
  EXPECT_TRUE(std::isnan(Sqrt(-1.0)));
  EXPECT_EQ(Log(0.0), -kInf);
  EXPECT_EQ(Exp(1000.0), kInf);
}

// ---------------------------------------------------------------------------
// Checked arithmetic: a value, or the error with the framework's message.

struct ArithmeticCase {
  const char* label;
  std::function<double()> call;
  const char* error;  // empty: no error, the result is value
  double value;
};

std::ostream& operator<<(std::ostream& os, const ArithmeticCase& c) { return os << c.label; }

class ArithmeticTable : public ::testing::TestWithParam<ArithmeticCase> {};

TEST_P(ArithmeticTable, RaisesWhereTheHardwareWouldTrap) {
  const ArithmeticCase& c = GetParam();
  if (*c.error == '\0') {
    ExpectSameDouble(c.call(), c.value);
    return;
  }
  try {
    c.call();
    ADD_FAILURE() << "no error, expected " << c.error;
  } catch (const MathError& e) {
    EXPECT_STREQ(e.what(), c.error);
  }
}

constexpr const char* kZeroDivide = "Floating point division by zero";
constexpr const char* kOverflow = "Floating point overflow";
constexpr const char* kInvalid = "Invalid floating point operation";

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, ArithmeticTable,
    ::testing::Values(
        ArithmeticCase{"6/3", [] { return Div(6.0, 3.0); }, "", 2.0},
        ArithmeticCase{"1/0", [] { return Div(1.0, 0.0); }, kZeroDivide, 0},
        ArithmeticCase{"-1/-0", [] { return Div(-1.0, -0.0); }, kZeroDivide, 0},
        ArithmeticCase{"0/0", [] { return Div(0.0, 0.0); }, kInvalid, 0},
        // A NaN operand does not trap: it passes through, also past a zero.
        ArithmeticCase{"nan/1", [] { return Div(kNaN, 1.0); }, "", kNaN},
        ArithmeticCase{"1/nan", [] { return Div(1.0, kNaN); }, "", kNaN},
        ArithmeticCase{"nan/0", [] { return Div(kNaN, 0.0); }, "", kNaN},
        ArithmeticCase{"nan*0", [] { return Mul(kNaN, 0.0); }, "", kNaN},
        ArithmeticCase{"nan-inf", [] { return Sub(kNaN, kInf); }, "", kNaN},
        ArithmeticCase{"inf/inf", [] { return Div(kInf, kInf); }, kInvalid, 0},
        ArithmeticCase{"1e308/1e-10", [] { return Div(1e308, 1e-10); }, kOverflow, 0},
        ArithmeticCase{"inf/2", [] { return Div(kInf, 2.0); }, "", kInf},
        ArithmeticCase{"inf/0", [] { return Div(kInf, 0.0); }, "", kInf},
        ArithmeticCase{"1/inf", [] { return Div(1.0, kInf); }, "", 0.0},
        ArithmeticCase{"1e-300/1e300", [] { return Div(1e-300, 1e300); }, "", 0.0},
        ArithmeticCase{"2*3", [] { return Mul(2.0, 3.0); }, "", 6.0},
        ArithmeticCase{"0*inf", [] { return Mul(0.0, kInf); }, kInvalid, 0},
        ArithmeticCase{"1e200*1e200", [] { return Mul(1e200, 1e200); }, kOverflow, 0},
        ArithmeticCase{"-1e200*1e200", [] { return Mul(-1e200, 1e200); }, kOverflow, 0},
        ArithmeticCase{"inf*-2", [] { return Mul(kInf, -2.0); }, "", -kInf},
        ArithmeticCase{"5+3", [] { return Add(5.0, 3.0); }, "", 8.0},
        ArithmeticCase{"max+max", [] { return Add(DBL_MAX, DBL_MAX); }, kOverflow, 0},
        ArithmeticCase{"inf+-inf", [] { return Add(kInf, -kInf); }, kInvalid, 0},
        ArithmeticCase{"inf+1", [] { return Add(kInf, 1.0); }, "", kInf},
        ArithmeticCase{"nan+1", [] { return Add(kNaN, 1.0); }, "", kNaN},
        ArithmeticCase{"5-3", [] { return Sub(5.0, 3.0); }, "", 2.0},
        ArithmeticCase{"inf-inf", [] { return Sub(kInf, kInf); }, kInvalid, 0},
        ArithmeticCase{"-max-max", [] { return Sub(-DBL_MAX, DBL_MAX); }, kOverflow, 0},
        ArithmeticCase{"finite 1.5", [] { return CheckFinite(1.5); }, "", 1.5},
        ArithmeticCase{"finite nan", [] { return CheckFinite(kNaN); }, kInvalid, 0},
        ArithmeticCase{"finite -inf", [] { return CheckFinite(-kInf); }, kOverflow, 0},
        // A range check on a value that is not a number traps; infinities compare.
        ArithmeticCase{"number 1.5", [] { return CheckNumber(1.5); }, "", 1.5},
        ArithmeticCase{"number -inf", [] { return CheckNumber(-kInf); }, "", -kInf},
        ArithmeticCase{"number nan", [] { return CheckNumber(kNaN); }, kInvalid, 0}));

// The wavelength of a negative Er Eff: the square root shows its box, the
// arithmetic after it carries the NaN, and the result prints as "+NAN".
TEST_F(MathErrorTest, ANaNFromTheBoxFlowsThroughArithmeticIntoTheText) {
  const double frequency = 100.0;
  const double wavelength =
      Mul(Mul(Div(299792458.0, Mul(Sqrt(-4.0), frequency)), 0.0001), 1.0 / 2.54);
  EXPECT_EQ(reports_, std::vector<std::string>{"sqrt: DOMAIN error"});
  EXPECT_EQ(Format("%.5f Inches", wavelength), "+NAN Inches");
}

}  // namespace
}  // namespace cq
