#include "calc/tline/agm_elliptic_k.h"

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {

double AgmEllipticK(double m) {
  double a = 1;
  double b = Pow(1 - m * m, 0.5);
  double k = 1.570795;
  // A fixed seven steps: enough for the moduli of real boards, and K(1)
  // stays finite.
  for (int step = 0; step < 7; ++step) {
    const double next_a = (a + b) / 2;
    b = Pow(a * b, 0.5);
    a = next_a;
    k = Div(kPi, 2 * a);
  }
  return k;
}

}  // namespace cq
