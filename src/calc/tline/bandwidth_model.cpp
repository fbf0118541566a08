#include "calc/tline/bandwidth_model.h"

#include <array>

#include "platform/checked_math.h"
#include "platform/unit_factors.h"

namespace cq {

namespace {
constexpr double kBandwidthFactor = 0.35;
}  // namespace

const SrDivisorStep& SrDivisorStepAt(int position) {
  static constexpr std::array<SrDivisorStep, 7> kSteps = {{
      {0.2, "0.2Sr", "0,2Sr"},
      {0.25, "0.25Sr", "0,25Sr"},
      {0.3, "0.3Sr", "0,3Sr"},
      {0.35, "0.35Sr", "0,35Sr"},
      {0.4, "0.4Sr", "0,4Sr"},
      {0.45, "0.45Sr", "0,45Sr"},
      {0.5, "0.5Sr", "0,5Sr"},
  }};
  return kSteps.at(static_cast<size_t>(position));
}

const LambdaDivisorStep& LambdaDivisorStepAt(int position) {
  // 0.142857 is the six-decimal 1/7 the results have always used.
  static constexpr std::array<LambdaDivisorStep, 4> kSteps = {{
      {0.25, "1/4"},
      {0.142857, "1/7"},
      {0.1, "1/10"},
      {0.05, "1/20"},
  }};
  return kSteps.at(static_cast<size_t>(position));
}

std::optional<UnitBoxPlace> BandwidthFrequencyUnitBox(int item) {
  static constexpr std::array<UnitBoxPlace, 4> kBoxes = {
      {{"GHz", 131, 42}, {"MHz", 131, 42}, {"KHz", 134, 42}, {"Hz", 146, 28}}};
  if (item < 0 || item >= static_cast<int>(kBoxes.size())) return std::nullopt;
  return kBoxes[static_cast<size_t>(item)];
}

double SignalBandwidthMhz(double riseNs) { return Mul(Div(kBandwidthFactor, riseNs), kMhzPerGhz); }

double MicrostripRiseEr(double er) { return Add(Mul(0.457, er), 0.67); }

double RiseDistanceMetres(double riseNs, double effectiveEr) {
  return Div(Mul(Mul(riseNs, kSecondsPerNs), kLightSpeed), Sqrt(effectiveEr));
}

double RiseDistanceLength(double riseDistanceMetres, double factor, bool metric) {
  const double metres = Mul(riseDistanceMetres, factor);
  return metric ? Mul(metres, kCmPerMetre) : Div(metres, kMetresPerMil) / kMilsPerInch;
}

double PropagationSpeed(double er) { return Div(kLightSpeed, Sqrt(er)); }

}  // namespace cq
