#include "calc/electrical/ohms_law_model.h"

#include "platform/checked_math.h"

namespace cq {

EirResult SolveEir(EirSolveFor solveFor, double first, double second) {
  switch (solveFor) {
    case EirSolveFor::Amps: {
      const double amps = Div(first, second);
      return {amps, Mul(first, amps)};
    }
    case EirSolveFor::Ohms:
      return {Div(first, second), Mul(first, second)};
    case EirSolveFor::Volts:
    default: {
      const double volts = Mul(first, second);
      return {volts, Mul(volts, first)};
    }
  }
}

}  // namespace cq
