#include "calc/tline/stripline_model.h"

#include "platform/checked_math.h"

namespace cq {

double StriplineGeometryLog(double w, double h, double t) {
  return Log(Div(Mul(1.9, Add(Mul(2, h), t)), Add(Mul(0.8, w), t)));
}

double StriplineImpedance(double w, double h, double t, double er) {
  return Mul(Div(60, Sqrt(er)), StriplineGeometryLog(w, h, t));
}

double StriplineDelayPsPerInch(double er) { return Sqrt(er) * 1.017 / 12 * 1000; }

}  // namespace cq
