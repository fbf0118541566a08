#pragma once

namespace cq {

// Complete elliptic integral of the first kind K(m) for the modulus
// 0 <= m <= 1, by seven steps of the arithmetic-geometric mean with
// pi = 3.14159: K(0) = 1.570795 and K(1) = 3.14159 x 64 (finite).
double AgmEllipticK(double m);

}  // namespace cq
