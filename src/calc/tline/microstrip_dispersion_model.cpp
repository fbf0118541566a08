#include "calc/tline/microstrip_dispersion_model.h"

#include <cmath>

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {

namespace {

// The fitted constants were tuned with this rounded e, not the library's.
constexpr double kE = 2.7182818;

double ePow(double y) { return Pow(kE, y); }

// Impedance factor of a width ratio x.
double Z1(double x) {
  const double f = Add(6, Mul(kTwoPi - 6, ePow(-Pow(Div(30.666, x), 0.7528))));
  return Mul(376.9908 / kTwoPi, Log(Add(Div(f, x), Sqrt(Add(1, Div(4, Mul(x, x)))))));
}

}  // namespace

MicrostripDispersion MicrostripDispersionModel(double w, double h, double t, double er, double ghz) {
  MicrostripDispersion m{};
  const double tr = Div(t, h);
  const double u = Div(w, h);

  const double th = std::tanh(Sqrt(Mul(6.517, u)));
  // The thickness correction vanishes with the thickness (t ln t -> 0), so
  // bare zero copper keeps the plain width ratio.
  m.u1 = tr == 0 ? u : Add(u, Mul(tr / kPi, Log(Add(1, Mul(Mul(Div(10.8731272, tr), th), th)))));
  m.ur = Add(u, Mul(Sub(m.u1, u), Add(1, 1 / std::cosh(Sqrt(Sub(er, 1))))) / 2);

  const double ur2 = Mul(m.ur, m.ur);
  const double ur4 = Mul(ur2, ur2);
  const double a = Add(Add(1, Log(Div(Add(ur4, ur2 / 2704), Add(ur4, 0.432))) / 49),
                       Log(Add(1, Pow(m.ur / 18.1, 3))) / 18.7);
  const double b = Mul(0.564, Pow(Div(Sub(er, 0.9), Add(er, 3)), 0.053));
  m.ee = Add(Add(er, 1) / 2, Mul(Sub(er, 1) / 2, Pow(Add(1, Div(10, m.ur)), Mul(-a, b))));

  const double z1u1 = Z1(m.u1);
  const double z1ur = Z1(m.ur);
  m.z0 = Div(z1ur, Sqrt(m.ee));
  const double ratio = Div(z1u1, z1ur);
  m.ee0 = Mul(Mul(m.ee, ratio), ratio);

  // P1 and P3 take the plain width ratio.
  const double fn = Mul(ghz, h);
  const double p1 = Sub(Add(0.27488, Mul(Add(0.6315, Mul(0.525, Pow(Add(1, Mul(0.0157, fn)), -20))), u)),
                        Mul(0.065683, ePow(Mul(-8.7513, u))));
  const double p2 = Mul(0.33622, Sub(1, ePow(Mul(-0.03442, er))));
  const double p3 = Mul(Mul(0.0363, ePow(Mul(-4.6, u))), Sub(1, ePow(-Pow(fn / 38.7, 4.97))));
  const double p4 = Add(1, Mul(2.751, Sub(1, ePow(-Pow(er / 15.916, 8)))));
  m.p = Mul(Mul(p1, p2), Pow(Mul(Add(0.1844, Mul(p3, p4)), fn), 1.5763));

  m.eef = Sub(er, Div(Sub(er, m.ee0), Add(1, m.p)));
  m.zo = Div(Mul(Mul(Sqrt(Div(m.ee0, m.eef)), m.z0), Sub(m.eef, 1)), Sub(m.ee0, 1));
  return m;
}

}  // namespace cq
