#include "calc/conductor/ipc_current.h"

#include <array>
#include <cmath>
#include <limits>

#include "platform/checked_math.h"

namespace cq {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kBelowAll = -std::numeric_limits<double>::infinity();

// One row per band, highest first: the first row whose lower edge the value
// reaches applies. The last row reaches down to -inf, so every number finds
// a row and only NaN finds none. The mm edges are stored, not converted.
struct ThicknessBand {
  double edgeMils;
  double edgeMm;
  double factor;
};

constexpr std::array<ThicknessBand, 11> kBoardThicknessBands = {{
    {100, 2.54, 1.3},
    {90, 2.286, 1.2},
    {80, 2.032, 1.1},
    {70, 1.778, 1.0},
    {60, 1.524, 0.95},
    {50, 1.27, 0.85},
    {40, 1.016, 0.75},
    {30, 0.762, 0.67},
    {20, 0.508, 0.58},
    {10, 0.254, 0.48},
    {kBelowAll, kBelowAll, 0.4},
}};

struct PlaneBand {
  double edgeMils;
  double edgeMm;
  double halfOrOneOunce;
  double twoOunce;
};

constexpr std::array<PlaneBand, 11> kPlaneBands = {{
    {100, 2.54, 1.2, 1.24},
    {90, 2.286, 1.3, 1.34},
    {80, 2.032, 1.33, 1.37},
    {70, 1.778, 1.37, 1.41},
    {60, 1.524, 1.39, 1.43},
    {50, 1.27, 1.42, 1.46},
    {40, 1.016, 1.45, 1.49},
    {30, 0.762, 1.48, 1.52},
    {20, 0.508, 1.52, 1.56},
    {10, 0.254, 1.55, 1.59},
    {kBelowAll, kBelowAll, 1.59, 1.63},
}};

template <class Band, std::size_t N>
const Band* bandReached(const std::array<Band, N>& bands, double value, bool metric) {
  for (const Band& band : bands) {
    if (value >= (metric ? band.edgeMm : band.edgeMils)) return &band;
  }
  return nullptr;
}

double ipcTemperatureTerm(double tempRise, double k) {
  return Mul(k, Pow(tempRise, kIpcTempRiseExponent));
}

}  // namespace

double IpcCurrentFormula(double areaSqMils, double tempRise, double k, double modifiers) {
  double areaTerm = Pow(areaSqMils, kIpcAreaExponent);
  return Mul(Mul(areaTerm, ipcTemperatureTerm(tempRise, k)), modifiers);
}

double IpcCurrentFormulaInverse(double current, double tempRise, double k) {
  return Pow(Div(current, ipcTemperatureTerm(tempRise, k)), 1.0 / kIpcAreaExponent);
}

std::optional<AreaModifierBand> AreaModifierBands(double tempRise) {
  // Each band on its own condition, as the edges mix inclusive and exclusive.
  if (tempRise <= 20) return AreaModifierBand{3.0364, -0.145};
  if (tempRise > 20 && tempRise < 60) return AreaModifierBand{2.9143, -0.129};
  if (tempRise >= 60 && tempRise < 100) return AreaModifierBand{2.7877, -0.114};
  if (tempRise >= 100) return AreaModifierBand{2.801, -0.111};
  return std::nullopt;
}

std::optional<double> CalcAreaModifierSqMils(double areaSqMils, double tempRise) {
  std::optional<AreaModifierBand> band = AreaModifierBands(tempRise);
  if (!band) return std::nullopt;
  return Mul(band->coefficient, Pow(areaSqMils, band->exponent));
}

std::optional<double> CalcAreaModifierSqMm(double areaSqMm, double tempRise) {
  return CalcAreaModifierSqMils(Mul(areaSqMm, kSqMilsPerSqMm), tempRise);
}

double BoardThicknessModifier(double height, bool metric) {
  const ThicknessBand* band = bandReached(kBoardThicknessBands, height, metric);
  return band ? band->factor : kNaN;
}

std::optional<double> PlaneProximityModifier(bool planePresent, int planeItem, double distance,
                                             bool metric) {
  if (!planePresent) return 1.0;
  if (planeItem != kPlaneHalfOrOneOunce && planeItem != kPlaneTwoOunce) return std::nullopt;
  const PlaneBand* band = bandReached(kPlaneBands, distance, metric);
  if (!band) return kNaN;
  return planeItem == kPlaneTwoOunce ? band->twoOunce : band->halfOrOneOunce;
}

}  // namespace cq
