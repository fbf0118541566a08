#include "calc/via/differential_via_model.h"

#include <cmath>
#include <limits>

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {

namespace {

constexpr double kOddModeCoefficient = 60;
constexpr double kStubWavelengthFactor = 0.84;

// Every result without a real value reads the same, whatever sign the
// hardware gave the NaN.
double Real(double value) { return std::isnan(value) ? std::numeric_limits<double>::quiet_NaN() : value; }

// Roots and logarithms of out-of-range geometry give no real value; that
// shows in the results rather than in a maths-error box.
double RealSqrt(double x) { return Real(std::sqrt(x)); }
double RealLog(double x) { return x >= 0 ? std::log(x) : std::numeric_limits<double>::quiet_NaN(); }
double RealLog10(double x) { return x >= 0 ? std::log10(x) : std::numeric_limits<double>::quiet_NaN(); }

}  // namespace

double DifferentialViaAverageEr(double er, double anisotropyPercent) {
  return Div(Add(Mul(er, Add(1, Div(anisotropyPercent, 100))), er), 2);
}

double DifferentialViaSpacingTerm(double spacing, double hole) {
  const double x = Div(spacing, hole);
  return RealLog(Add(RealSqrt(Sub(Mul(x, x), 1)), x));
}

double DifferentialViaOpeningTerm(double openingHeight, double openingWidth, double hole) {
  return RealLog(Div(Add(openingHeight, openingWidth), Mul(2, hole)));
}

double DifferentialViaOddModeImpedance(double averageEr, double spacingTerm, double openingTerm) {
  return Real(Mul(Div(kOddModeCoefficient, RealSqrt(averageEr)), RealSqrt(Mul(spacingTerm, openingTerm))));
}

double DifferentialViaEffectiveEr(double averageEr, double spacingTerm, double openingTerm) {
  return Real(Mul(Div(spacingTerm, openingTerm), averageEr));
}

double DifferentialViaMaxStubLength(double effectiveEr, double baudGbaud, bool metric) {
  const double inches = Div(kStubWavelengthFactor, Mul(RealSqrt(effectiveEr), baudGbaud));
  return Real(Mul(inches, metric ? kMmPerInch : kMilsPerInch));
}

double DifferentialViaInsertionLoss(double pairImpedance, double viaImpedance) {
  const double reflection = Div(Sub(pairImpedance, viaImpedance), Add(pairImpedance, viaImpedance));
  // A total reflection passes nothing: minus infinity dB.
  return Real(Mul(2, Mul(20, RealLog10(Sub(1, std::fabs(reflection))))));
}

}  // namespace cq
