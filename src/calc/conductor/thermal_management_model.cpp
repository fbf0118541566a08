#include "calc/conductor/thermal_management_model.h"

#include "platform/checked_math.h"

namespace cq {

double JunctionTemperature(double power, double resistance, double ambientC) {
  return Add(Mul(power, resistance), ambientC);
}

}  // namespace cq
