#include "calc/electrical/planar_inductor_model.h"

#include <array>

#include "platform/checked_math.h"

namespace cq {

std::optional<InductorShape> InductorShapeCoefficients(int item) {
  static constexpr std::array<InductorShape, 4> kShapes{{{2.34, 2.75}, {2.33, 3.82}, {2.25, 3.55}, {2.275, 3.575}}};
  if (item < 0 || item >= static_cast<int>(kShapes.size())) return std::nullopt;
  return kShapes[static_cast<std::size_t>(item)];
}

double InnerDiameter(double turns, double width, double spacing, double outer) {
  return Sub(outer, Add(Mul(Mul(2.0, Sub(turns, 1.0)), spacing), Mul(Mul(2.0, turns), width)));
}

double FillFactor(double outer, double inner) { return Div(Sub(outer, inner), Add(outer, inner)); }

double PlanarInductance(const InductorShape& shape, double turns, double outer, double inner, double fill) {
  const double average = Mul(Add(outer, inner), 0.5);
  const double scaled = Div(Mul(Mul(turns, turns), average), Add(Mul(shape.k2, fill), 1.0));
  return Mul(scaled, shape.k1 * kInductorPermeability);
}

}  // namespace cq
