#include "calc/via/single_via_model.h"

#include <cmath>

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {

double ViaBarrelArea(double hole, double plating) {
  return Sub(Mul(kPi / 4, Pow(Add(Mul(2, plating), hole), 2)), Mul(kPi / 4, Pow(hole, 2)));
}

double ViaCurrent(double tempRise, double areaSqMils, double modifiers) {
  return Mul(Mul(Mul(Pow(tempRise, 0.44), 0.024), Pow(areaSqMils, 0.725)), modifiers);
}

double ViaAspectRatio(double height, double hole) { return Div(height, hole); }

double ViaInches(double length, bool metric) { return metric ? MmToInches(length) : MilsToInches(length); }

double ViaCapacitanceMultiLayer(double er, double heightIn, double padIn, double openingIn) {
  const double c = Div(Mul(Mul(Mul(kViaCapacitanceCoefficient, er), heightIn), padIn), Sub(openingIn, padIn));
  return c < 0 ? 0 : c;
}

double ViaInductance(double heightIn, double holeIn) {
  const double l = Mul(Mul(kViaInductanceCoefficient, heightIn), Add(Log(Div(Mul(4, heightIn), holeIn)), 1));
  return l < 0 ? 0 : l;
}

double ViaResonantFrequency(double inductanceNh, double capacitancePf) {
  return Div(1, Mul(Sqrt(Mul(Mul(Mul(inductanceNh, 1e-9), capacitancePf), 1e-12)), kTwoPi)) / 1000000;
}

double ViaImpedance(double inductanceNh, double capacitancePf) {
  return Sqrt(Div(inductanceNh, Mul(capacitancePf, 0.001)));
}

double ViaStepResponse(double capacitancePf, double impedance) {
  return Mul(Mul(kViaStepResponseFactor, capacitancePf), impedance / 2);
}

double ViaResistance(double resistivity, double height, double areaSqMils) {
  return Div(Mul(resistivity, height), areaSqMils);
}

double ViaThermalResistance(double heightMils, double areaSqMils) {
  return Div(heightMils, Mul(areaSqMils / 1000, kViaThermalConductivity));
}

}  // namespace cq
