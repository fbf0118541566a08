#include "calc/tline/dual_stripline_model.h"

#include "calc/tline/stripline_model.h"
#include "platform/checked_math.h"

namespace cq {

double DualStriplineImpedance(double w, double h, double c, double t, double er) {
  const double coupling = 1 - Div(h, Mul(4, Add(Add(h, c), t)));
  return Mul(Mul(Div(80, Sqrt(er)), StriplineGeometryLog(w, h, t)), coupling);
}

}  // namespace cq
