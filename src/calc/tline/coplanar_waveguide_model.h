#pragma once
// Grounded coplanar waveguide: a surface conductor of width W with coplanar
// ground at gap G on both sides, over a substrate of height H on a plane.
// Conformal mapping; the copper thickness does not enter. Any one length
// unit in. The callers establish W > 0, H > 0, G > 0 and Er > 1.

namespace cq {

struct CoplanarWaveguide {
  double zo;      // Ohms
  double er_eff;  // effective permittivity
};

CoplanarWaveguide CoplanarWaveguideModel(double w, double h, double g, double er);

}  // namespace cq
