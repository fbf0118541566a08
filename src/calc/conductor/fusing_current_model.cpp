#include "calc/conductor/fusing_current_model.h"

#include "platform/checked_math.h"

namespace cq {

double CircularMils(double squareMils) { return Mul(squareMils, kSquareMilsToCircularMils); }

double OnderdonkFusingCurrent(double squareMils, double ambientC, double seconds, double multiplier) {
  const double rise = Div(Sub(kCopperMeltingTempC, ambientC), Add(234, ambientC));
  const double perTime = Div(Log10(Add(rise, 1)), Mul(33, seconds));
  return Mul(Mul(Pow(perTime, 0.5), CircularMils(squareMils)), multiplier);
}

}  // namespace cq
