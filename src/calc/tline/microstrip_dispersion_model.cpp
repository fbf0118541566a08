#include "calc/tline/microstrip_dispersion_model.h"

#include <cmath>

#include "platform/checked_math.h"

namespace cq {

namespace {

constexpr double kPi = 3.14159;
constexpr double kTwoPi = 6.28318;
// The fitted constants were tuned with this rounded e, not the library's.
constexpr double kE = 2.7182818;

double ePow(double y) { return Pow(kE, y); }

// Impedance factor of a width ratio x.
double Z1(double x) {
  const double f = 6 + (kTwoPi - 6) * ePow(-Pow(Div(30.666, x), 0.7528));
  return (376.9908 / kTwoPi) * Log(Div(f, x) + Sqrt(1 + Div(4, x * x)));
}

}  // namespace

double MilsToModelMm(double mils) { return mils / 1000 * 25.4; }

MicrostripDispersion MicrostripDispersionModel(double w, double h, double t, double er, double ghz) {
  MicrostripDispersion m{};
  const double tr = Div(t, h);
  const double u = Div(w, h);

  const double th = std::tanh(Sqrt(6.517 * u));
  m.u1 = u + (tr / kPi) * Log(1 + Div(10.8731272, tr) * th * th);
  m.ur = u + (m.u1 - u) * (1 + 1 / std::cosh(Sqrt(er - 1))) / 2;

  const double ur2 = m.ur * m.ur;
  const double ur4 = ur2 * ur2;
  const double a = 1 + Log((ur4 + ur2 / 2704) / (ur4 + 0.432)) / 49 + Log(1 + Pow(m.ur / 18.1, 3)) / 18.7;
  const double b = 0.564 * Pow((er - 0.9) / (er + 3), 0.053);
  m.ee = (er + 1) / 2 + ((er - 1) / 2) * Pow(1 + Div(10, m.ur), -a * b);

  const double z1u1 = Z1(m.u1);
  const double z1ur = Z1(m.ur);
  m.z0 = z1ur / Sqrt(m.ee);
  const double ratio = z1u1 / z1ur;
  m.ee0 = m.ee * ratio * ratio;

  // P1 and P3 take the plain width ratio.
  const double fn = ghz * h;
  const double p1 = 0.27488 + (0.6315 + 0.525 * Pow(1 + 0.0157 * fn, -20)) * u - 0.065683 * ePow(-8.7513 * u);
  const double p2 = 0.33622 * (1 - ePow(-0.03442 * er));
  const double p3 = 0.0363 * ePow(-4.6 * u) * (1 - ePow(-Pow(fn / 38.7, 4.97)));
  const double p4 = 1 + 2.751 * (1 - ePow(-Pow(er / 15.916, 8)));
  m.p = p1 * p2 * Pow((0.1844 + p3 * p4) * fn, 1.5763);

  m.eef = er - (er - m.ee0) / (1 + m.p);
  m.zo = Sqrt(m.ee0 / m.eef) * m.z0 * (m.eef - 1) / (m.ee0 - 1);
  return m;
}

}  // namespace cq
