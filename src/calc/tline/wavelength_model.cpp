#include "calc/tline/wavelength_model.h"

#include <array>

#include "platform/checked_math.h"
#include "platform/unit_factors.h"

namespace cq {

namespace {
constexpr int kPeriodUnits = 2;
}  // namespace

const WavelengthFraction& WavelengthFractionStep(int position) {
  // 0.06666 is the fraction the results have always used for 1/15.
  static constexpr std::array<WavelengthFraction, kWavelengthFractionSteps> kSteps = {{
      {1, "Full Wave Length"},
      {0.75, "3/4 Wave Length"},
      {0.625, "5/8 Wave Length"},
      {0.5, "1/2 Wave Length"},
      {0.25, "1/4 Wave Length"},
      {0.1, "1/10 Wave Length"},
      {0.06666, "1/15 Wave Length"},
      {0.0625, "1/16 Wave Length"},
      {0.05, "1/20 Wave Length"},
  }};
  return kSteps.at(static_cast<size_t>(position));
}

std::optional<double> WavelengthInputToMhz(bool period, int unitItem, double value) {
  if (!period) {
    const auto scale = FrequencyUnitScale(unitItem);
    if (!scale) return std::nullopt;
    return Mul(value, *scale);
  }
  if (unitItem < 0 || unitItem >= kPeriodUnits) return std::nullopt;
  const double unitsPerSecond = unitItem == 0 ? kNsPerSecond : kPsPerSecond;
  return Div(1, Div(value, unitsPerSecond)) / kHzPerMhz;
}

std::optional<UnitBoxPlace> WavelengthUnitBox(bool period, int unitItem) {
  static constexpr std::array<UnitBoxPlace, kPeriodUnits> kPeriod = {{{"ns", 138, 23}, {"ps", 138, 23}}};
  static constexpr std::array<UnitBoxPlace, 4> kFrequency = {
      {{"GHz", 122, 42}, {"MHz", 122, 42}, {"KHz", 125, 42}, {"Hz", 137, 28}}};
  if (unitItem < 0) return std::nullopt;
  const auto item = static_cast<size_t>(unitItem);
  if (period) return item < kPeriod.size() ? std::optional(kPeriod[item]) : std::nullopt;
  return item < kFrequency.size() ? std::optional(kFrequency[item]) : std::nullopt;
}

double Wavelength(double eeff, double mhz, bool metric) {
  // c in m/s over f in MHz is micrometres.
  const double cm = Mul(Div(kLightSpeed, Mul(Sqrt(eeff), mhz)), kCmPerUm);
  return metric ? cm : Div(cm, kCmPerInch);
}

}  // namespace cq
