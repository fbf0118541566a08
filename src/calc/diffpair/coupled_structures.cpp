#include "calc/diffpair/coupled_structures.h"

#include "calc/tline/asym_stripline/asym_stripline_model.h"
#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {
namespace {
// ln(k h / (0.8 w + t)), the logarithm every structure shares.
double WidthLog(double k, double h, double w, double t) {
  return Log(Div(Mul(k, h), Add(Mul(0.8, w), t)));
}

// 2 Zo (1 - k exp(-a s / href))
double CoupledZdiff(double zo, double k, double a, double s, double href) {
  return Mul(Mul(2, zo), Sub(1, Mul(k, Exp(Mul(-a, Div(s, href))))));
}
}  // namespace

double MicrostripPairEffectiveEr(double er, double w, double h) {
  const double base = (er + 1) / 2 + Mul((er - 1) / 2, Pow(Add(1, Mul(12, Div(h, w))), -0.5));
  if (CheckNumber(w) < CheckNumber(h)) {
    const double narrow = Sub(1, Div(w, h));
    return Add(base, Mul(0.04, Mul(narrow, narrow)));
  }
  return base;
}

double EdgeMicrostripZo(double er, double w, double h, double t) {
  return Mul(Div(87, Sqrt(er + 1.41)), WidthLog(5.98, h, w, t));
}

double EdgeMicrostripZdiff(double zo, double s, double href) {
  return CoupledZdiff(zo, 0.48, 0.96, s, href);
}

double SymStriplinePairZo(double er, double w, double h, double t, bool metric) {
  const double logarithm = metric ? WidthLog(1.9, h, w, t)
                                  : Log(Div(Mul(4, h), Mul(2.1048653, Add(Mul(0.8, w), t))));
  return Mul(Div(60, Sqrt(er)), logarithm);
}

double AsymStriplinePairZo(double er, double w, double h1, double h2, double t, bool metric) {
  // The mode is chosen on the lengths as entered; converting first can move
  // a ratio of exactly 0.35 to just below it.
  const AsymStriplineMode mode = AsymStriplineModeOf(w, h1, h2);
  const auto mils = [metric](double v) { return metric ? CheckedMmToMils(v) : v; };
  return AsymStriplineDefaultModel(mils(w), mils(h1), mils(h2), mils(t), er, mode).zo;
}

double StriplinePairZdiff(double zo, double s, double href) {
  return CoupledZdiff(zo, 0.374, 2.9, s, href);
}

double EmbeddedPairEffectiveEr(double er, double h1, double h2) {
  return Mul(er, Sub(1, Exp(Mul(-1.55, Div(h2, h1)))));
}

double EmbeddedPairZo(double effectiveEr, double w, double h1, double t) {
  return Mul(Div(60, Sqrt(effectiveEr)), WidthLog(5.98, h1, w, t));
}

double BroadsideGap(double h, double t, double s) { return Sub(Sub(h, 2 * t), s) / 2; }

bool BroadsideHeightTooSmall(double h, double t, double s) {
  return CheckNumber(h) <= CheckNumber(Add(2 * t, s));
}

double BroadsideCorrectedHeight(double t, double s) { return Add(4 * t, s); }

double BroadsideUnshieldedZdiff(double er, double w, double s, double t) {
  return Mul(Div(82.2, Sqrt(er)), WidthLog(5.98, s, w, t));
}

double BroadsideShieldedZdiff(double er, double w, double s, double t, double gapMils) {
  return Mul(BroadsideUnshieldedZdiff(er, w, s, t), Sub(1, Exp(Mul(-0.6, gapMils))));
}

}  // namespace cq
