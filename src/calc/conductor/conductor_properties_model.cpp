#include "calc/conductor/conductor_properties_model.h"

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {

namespace {
constexpr double kCopperResistivityOhmMetre = 1.72e-8;
constexpr double kPermeability = 1.256636e-6;  // H/m
}  // namespace

std::optional<double> EtchedCrossSection(int etchItem, double width, double thickness, bool parallel, double count) {
  // The factor order of each form decides the last digit.
  switch (etchItem) {
    case kEtchOneToOne: {
      const double etched = Sub(width, thickness);
      return parallel ? Mul(Mul(etched, count), thickness) : Mul(etched, thickness);
    }
    case kEtchTwoToOne: {
      const double etched = Sub(width, Div(thickness, 2));
      return parallel ? Mul(Mul(etched, count), thickness) : Mul(etched, thickness);
    }
    case kEtchNone:
      return parallel ? Mul(Mul(width, thickness), count) : Mul(width, thickness);
    default:
      return std::nullopt;
  }
}

double SkinDepthMetres(double frequencyMHz) {
  const double hertz = Mul(frequencyMHz, 1e6);
  return Sqrt(Div(kCopperResistivityOhmMetre, Mul(kPi * kPermeability, hertz)));
}

double PowerDbm(double watts) { return 10 * Log10(Div(watts, 0.001)); }

}  // namespace cq
