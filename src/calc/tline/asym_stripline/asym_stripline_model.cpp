#include "calc/tline/asym_stripline/asym_stripline_model.h"

#include <cmath>

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {
namespace {

constexpr double kEps0 = 2.25e-16;  // F per mil
constexpr double kWideFrom = 0.35;

// x ln x, taken at its limit 0 for x = 0 (zero copper, or W = T).
double XLnX(double x) { return x == 0 ? 0.0 : Mul(x, Log(x)); }

// Impedance of a centred stripline at height y for the effective width wp,
// shared by both published formulas.
double OffsetZs(double y, double wp, double er) {
  const double a = Div(Mul(8, y), kPi * wp);
  const double r = Div(Mul(16, y), kPi * wp);
  return 376.991 / (kTwoPi * Sqrt(er)) * Log(Add(1, Mul(a, r + Sqrt(Add(Mul(r, r), 6.27)))));
}

// Average impedance less the offset term, then divided by sqrt(Er) once
// more (the stored formulas do so although Zs already holds it).
double OffsetImpedance(double zavg, double wp, double w, double h1, double h2, double t,
                       double er) {
  const double b = Add(Add(h1, h2), t);
  const double z1 = OffsetZs(h1, wp, er);
  const double z2 = OffsetZs(h2, wp, er);
  const double zp = Div(Mul(2 * z1, z2), z1 + z2);
  const double offset = std::fabs(0.5 - Div(t / 2 + h1, b));
  const double dz = Mul(Mul(zp, zp), Pow(offset, 2.2) * Pow(Div(t + w, b), 2.9)) + 0.102101675;
  return Div(zavg - dz, Sqrt(er));
}

}  // namespace

AsymStriplineMode AsymStriplineModeOf(double w, double h1, double h2) {
  return Div(w, Add(h1, h2)) < kWideFrom ? AsymStriplineMode::Narrow : AsymStriplineMode::Wide;
}

AsymStripline AsymStriplineDefaultModel(double w, double h1, double h2, double t, double er) {
  return AsymStriplineDefaultModel(w, h1, h2, t, er, AsymStriplineModeOf(w, h1, h2));
}

AsymStripline AsymStriplineDefaultModel(double w, double h1, double h2, double t, double er,
                                        AsymStriplineMode mode) {
  const double b = Add(Add(h1, h2), t);
  const double d = std::fabs(h1 - h2);
  const double s = (b - d) / 2;
  const double c1 = Div(s, b) - Div(t, 2 * b);
  const double c2 = 1 - Div(t, b);
  const double x = w >= t ? Div(t, w) : Div(w, t);
  if (mode == AsymStriplineMode::Narrow) {
    const double d0 =
        w * (0.5008 + 1.0235 * x - 1.023 * x * x + 1.1564 * x * x * x - 0.4749 * x * x * x * x);
    const double q = kPi * Div(d0, 2 * b);
    const double eq = Exp(q), emq = Exp(-q);
    const double big_x = std::sin(kPi * Div(s, b)) * Div(eq + emq, eq - emq);
    const double zo =
        Div(376.9908, Sqrt(er) * kTwoPi) * Log(big_x + Sqrt(big_x * big_x - 1));
    return {zo, mode};
  }

  const double f = (XLnX(1 - x) - XLnX(x)) * (1 - 2 * x);
  const double p = Div(1, (c2 - c1) * c1);
  const double cf =
      ((Div(t, 2 * b) * f - Div(s, b) * f) * p + 2 * Log(p)) * er * kEps0 / kPi;
  const double zo = Div(Div(376.9908, Sqrt(er)),
                        Div(w, b * c1) + Div(w, (c2 - c1) * b) + Div(2 * cf, kEps0 * er));
  return {zo, mode};
}

double AsymStriplineIpc2141(double w, double h1, double h2, double t, double er) {
  const double h = Add(h1, h2) / 2;
  const double m = Div(6 * h, 3 * h + t);
  // The thickness correction vanishes with the thickness (t ln t -> 0).
  double wp = w;
  if (t != 0) {
    const double a = Div(t, 4 * h + t);
    const double c = Div(kPi * t, 4 * (1.1 * t + w));
    wp = w + (t / kPi) * Log(Div(2.71828, Sqrt(a * a + Pow(c, m))));
  }
  return OffsetImpedance(OffsetZs(h, wp, er), wp, w, h1, h2, t, er);
}

double AsymStriplineWadell(double w, double h1, double h2, double t, double er) {
  const double b = Add(Add(h1, h2), t);
  const double m = Div(6, 3 + Div(2 * t, b - t));
  const double a = Div(t + 1, 2 * (b - t));
  const double wp =
      w + t * 0.31831015504887655 *
              (1 - 0.5 * Log(a * a + Pow(Div(0.07957753876221914 * (t + 1.1), w), m)));
  return OffsetImpedance(OffsetZs((b - t) / 2, wp, er), wp, w, h1, h2, t, er);
}

}  // namespace cq
