#include "calc/electrical/ppm_xtal_model.h"

#include "platform/checked_math.h"

namespace cq {

namespace {
constexpr double kPartsPerMillion = 1000000;
}  // namespace

double FrequencyVariation(double centre, double ppm) { return Div(Mul(centre, ppm), kPartsPerMillion); }

double PpmOfFrequencies(double centre, double maximum) {
  return Div(Mul(kPartsPerMillion, Sub(maximum, centre)), centre);
}

double LoadOfCapacitors(double c1, double c2, double stray) { return Add(Div(Mul(c1, c2), Add(c1, c2)), stray); }

double EqualCapacitorsForLoad(double load, double stray) { return Sub(Mul(2, load), Mul(2, stray)); }

}  // namespace cq
