#pragma once
// Planar spiral inductors by the modified Wheeler formula
// L = K1 x mu x n^2 x davg / (1 + K2 x rho). Lengths in micrometres,
// inductance in nanohenries.
#include <optional>

namespace cq {

struct InductorShape {
  double k1;
  double k2;
};

// Coefficients of the shape items: 0 square, 1 hexagonal, 2 octagonal,
// 3 circular; nothing for any other item.
std::optional<InductorShape> InductorShapeCoefficients(int item);

// Permeability in nH per micrometre (4 pi x 10^-7 H/m cut to four digits).
inline constexpr double kInductorPermeability = 0.001256;

// dout - (2 (n - 1) s + 2 n w); zero or below when the turns do not fit.
double InnerDiameter(double turns, double width, double spacing, double outer);
// (dout - din) / (dout + din); raises the framework's division errors when
// the diameters sum to zero.
double FillFactor(double outer, double inner);
double PlanarInductance(const InductorShape& shape, double turns, double outer, double inner, double fill);

}  // namespace cq
