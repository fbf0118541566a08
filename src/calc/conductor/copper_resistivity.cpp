#include "calc/conductor/copper_resistivity.h"

#include <array>
#include <limits>

#include "platform/checked_math.h"

namespace cq {

namespace {

// Lowest first: the first row whose upper edge Tc does not pass applies.
// The last row reaches up to +inf; above 80 degrees the value stays that of
// the 60 to 80 band.
struct ResistivityBand {
  double upperEdge;
  double imperial;
  double metric;
};

constexpr std::array<ResistivityBand, 8> kResistivityBands = {{
    {-40, 0.000519, 0.02043},
    {-20, 0.000572, 0.02252},
    {0, 0.000625, 0.02461},
    {20, 0.0006787, 0.02672},
    {40, 0.000732, 0.02882},
    {60, 0.000785, 0.03091},
    {80, 0.000839, 0.03303},
    {std::numeric_limits<double>::infinity(), 0.000839, 0.03303},
}};

}  // namespace

double CopperResistivityBands(double conductorTemp, bool metric) {
  for (const ResistivityBand& band : kResistivityBands) {
    if (conductorTemp <= band.upperEdge) return metric ? band.metric : band.imperial;
  }
  return std::numeric_limits<double>::quiet_NaN();
}

double CopperResistivity(double conductorTemp, bool metric) {
  double base = CopperResistivityBands(conductorTemp, metric);
  return Mul(Add(Mul(Sub(conductorTemp, 20), kCopperTempCoefficient), 1), base);
}

}  // namespace cq
