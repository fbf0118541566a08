#include "calc/conductor/conductor_properties_model.h"

#include "platform/checked_math.h"

namespace cq {

namespace {
constexpr double kCopperResistivityOhmMetre = 1.72e-8;
constexpr double kPi = 3.14159;                 // the figure the results were made with
constexpr double kPermeability = 1.256636e-6;  // H/m
}  // namespace

std::optional<double> EtchedCrossSection(int etchItem, double width, double thickness, bool parallel, double count) {
  // The factor order of each form decides the last digit.
  switch (etchItem) {
    case kEtchOneToOne:
      return parallel ? (width - thickness) * count * thickness : (width - thickness) * thickness;
    case kEtchTwoToOne:
      return parallel ? (width - thickness / 2) * count * thickness : (width - thickness / 2) * thickness;
    case kEtchNone:
      return parallel ? width * thickness * count : width * thickness;
    default:
      return std::nullopt;
  }
}

double SkinDepthMetres(double frequencyMHz) {
  const double hertz = frequencyMHz * 1e6;
  return Sqrt(Div(kCopperResistivityOhmMetre, Mul(kPi * kPermeability, hertz)));
}

double PowerDbm(double watts) { return 10 * Log10(Div(watts, 0.001)); }

}  // namespace cq
