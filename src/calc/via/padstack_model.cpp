#include "calc/via/padstack_model.h"

#include <cmath>

#include "platform/checked_math.h"
#include "platform/numbers.h"
#include "platform/unit_factors.h"

namespace cq {

namespace {
struct SpokeBand {
  double upperMils;  // inclusive
  double upperMm;    // inclusive
  const char* imperial;
  const char* metric;
};
// The last band has no upper edge.
constexpr std::array<SpokeBand, 6> kSpokeBands{{
    {14, 0.3556, "6 mils", "0.1524 mm"},
    {22, 0.5588, "8 mils", "0.2032 mm"},
    {45, 1.143, "10 mils", "0.254 mm"},
    {65, 1.651, "15 mils", "0.381 mm"},
    {124, 3.1496, "20 mils", "0.508 mm"},
    {HUGE_VAL, HUGE_VAL, "25 mils", "0.635 mm"},
}};
}  // namespace

std::string SpokeWidthText(double hole, bool metric, bool comma) {
  const SpokeBand* band = &kSpokeBands.back();
  for (const auto& b : kSpokeBands)
    if (hole <= (metric ? b.upperMm : b.upperMils)) {
      band = &b;
      break;
    }
  if (!metric) return band->imperial;
  return LocalizeDecimalPoint(band->metric, comma);
}

double PadAroundHole(double hole, double ring) { return Add(Mul(2, ring), hole); }

double ThermalOuterDiameter(double inner, double isolation) { return Add(Mul(2, isolation), inner); }

double NonPlatedMetricPad(double hole) { return Add(hole, 1.27); }

double MaxPadBetweenPads(double pitch, double width, double spacing, bool twoConductors) {
  return twoConductors ? Sub(pitch, Add(Mul(2, width), Mul(3, spacing))) : Sub(pitch, Add(Mul(2, spacing), width));
}

double RingLeft(double pad, double hole) { return Div(Sub(pad, hole), 2); }

double MaxConductorBetweenLands(double pitch, double land, double spacing, bool twoConductors) {
  return twoConductors ? Div(Sub(Sub(pitch, land), Mul(3, spacing)), 2) : Sub(Sub(pitch, land), Mul(2, spacing));
}

double CornerDistance(double a, double b) { return std::sqrt(Add(Mul(a, a), Mul(b, b))); }

DrillRange SuggestedDrills(double corner, bool metric) {
  // The sums are formed wider than a double so that a decimal half stays a half.
  const long double c = corner;
  if (metric)
    return {BankersRoundToPowerOfTen(static_cast<double>(c + 0.0508L), -3),
            BankersRoundToPowerOfTen(static_cast<double>(c + 0.2794L), -3)};
  return {BankersRoundToPowerOfTen(static_cast<double>(c + 2), 0),
          BankersRoundToPowerOfTen(static_cast<double>(c + 11), 0)};
}

const std::array<HoleTypePreset, kHoleTypePresetCount>& HoleTypePresets() {
  static const std::array<HoleTypePreset, kHoleTypePresetCount> presets{{
      {"Custom", "32", "0.8128", 0, true},
      {"Std Tooling", "125", "3.175", 1, false},
      {"NP MTG #2", "106", "2.6924", 1, false},
      {"NP MTG #4", "136", "3.4544", 1, false},
      {"NP MTG #6", "156", "3.9624", 1, false},
      {"NP MTG #8", "185", "4.699", 1, false},
      {"NP MTG #10", "209", "5.3086", 1, false},
  }};
  return presets;
}

double LengthInUnits(double value, bool valueMetric, bool wantMetric) {
  if (valueMetric == wantMetric) return value;
  return wantMetric ? Mul(value, kMmPerMil) : Div(value, kMmPerMil);
}

}  // namespace cq
