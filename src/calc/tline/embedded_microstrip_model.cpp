#include "calc/tline/embedded_microstrip_model.h"

#include "platform/checked_math.h"

namespace cq {

EmbeddedMicrostrip EmbeddedMicrostripModel(double w, double h1, double h2, double t, double er) {
  const double er_eff = Mul(er, 1 - Exp(Mul(-1.55, Div(h1, h2))));
  const double root = Sqrt(er_eff);
  const double zo = Mul(Div(60, root), Log(Div(Mul(5.98, h2), Add(Mul(0.8, w), t))));
  // 0.08457 is the program's own constant (not 0.08475).
  return {er_eff, zo, root * 0.08457 * 1000};
}

}  // namespace cq
