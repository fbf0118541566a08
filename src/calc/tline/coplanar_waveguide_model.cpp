#include "calc/tline/coplanar_waveguide_model.h"

#include <cmath>

#include "calc/tline/agm_elliptic_k.h"
#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {

CoplanarWaveguide CoplanarWaveguideModel(double w, double h, double g, double er) {
  const double span = Add(w, Mul(2, g));
  const double k = Div(w, span);
  const double kp = Sqrt(1 - k * k);
  const double quarter_h = Mul(4, h);
  const double k1 = Div(std::tanh(Div(Mul(kPi, w), quarter_h)),
                        std::tanh(Div(Mul(kPi, span), quarter_h)));
  const double k1p = Sqrt(1 - k1 * k1);
  const double kk = AgmEllipticK(k);
  const double kkp = AgmEllipticK(kp);
  const double kk1 = AgmEllipticK(k1);
  const double kk1p = AgmEllipticK(k1p);
  const double q = Div(kkp * kk1, kk * kk1p);
  const double er_eff = Div(Add(1, Mul(er, q)), 1 + q);
  // 188.4954 is the program's own constant (60 pi is 188.4956).
  const double zo = Div(Div(188.4954, Sqrt(er_eff)), Div(kk, kkp) + Div(kk1, kk1p));
  return {zo, er_eff};
}

}  // namespace cq
