#include "calc/electrical/reactance_model.h"

#include <array>

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {

namespace {
// Frequencies are multiplied up to hertz; capacitances and inductances are
// divided down to farads and henries.
constexpr std::array<double, kFrequencyUnitCount> kHertzPerUnit = {1e9, 1e6, 1000, 1};
constexpr std::array<double, kCapacitanceUnitCount> kUnitsPerFarad = {1e6, 1e9, 1e12};
constexpr std::array<double, kInductanceUnitCount> kUnitsPerHenry = {1000, 1e6, 1e9};

template <std::size_t N>
double Factor(const std::array<double, N>& factors, int unit) {
  return factors.at(static_cast<std::size_t>(unit));
}
}  // namespace

double FrequencyInHertz(double value, int unit) { return Mul(value, Factor(kHertzPerUnit, unit)); }

double CapacitanceInFarads(double value, int unit) { return Div(value, Factor(kUnitsPerFarad, unit)); }

double InductanceInHenries(double value, int unit) { return Div(value, Factor(kUnitsPerHenry, unit)); }

double CapacitiveReactance(double hertz, double farads) { return Div(1, Mul(Mul(kTwoPi, hertz), farads)); }

double InductiveReactance(double hertz, double henries) { return Mul(Mul(kTwoPi, hertz), henries); }

double ResonantFrequency(double farads, double henries) {
  return Div(1, Mul(Sqrt(Mul(farads, henries)), kTwoPi));
}

}  // namespace cq
