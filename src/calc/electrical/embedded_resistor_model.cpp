#include "calc/electrical/embedded_resistor_model.h"

#include "platform/unit_factors.h"
#include "platform/checked_math.h"

namespace cq {

namespace {
constexpr double kDiametersPerRadius = 2;
constexpr double kSquaredDiametersPerSquaredRadius = 4;

// Lengths in inches: the resistance comes first, so a zero width ends the
// solve before any result is written.
RectangularResistor Rectangular(double lengthIn, double widthIn, double ohmsPerSqIn) {
  const double ohms = Mul(Div(lengthIn, widthIn), ohmsPerSqIn);
  const double sqMils = Mul(Mul(kMilsPerInch, kMilsPerInch), Mul(lengthIn, widthIn));
  return {ohms, sqMils};
}

double DiameterGrowth(double ohmsPerSqIn, double targetOhms) {
  return Exp(Mul(Div(targetOhms, ohmsPerSqIn), kTwoPi));
}
}  // namespace

double SheetResistancePerSqInch(double ohmsPerSqMm) { return Mul(ohmsPerSqMm, kSqMmPerSqIn); }

RectangularResistor RectangularResistorImperial(double lengthMils, double widthMils, double ohmsPerSqIn) {
  return Rectangular(Mul(lengthMils, kInchesPerMil), Mul(widthMils, kInchesPerMil), ohmsPerSqIn);
}

RectangularResistor RectangularResistorMetric(double lengthMm, double widthMm, double ohmsPerSqMm) {
  RectangularResistor r =
      Rectangular(MmToInches(lengthMm), MmToInches(widthMm), SheetResistancePerSqInch(ohmsPerSqMm));
  r.area = Div(r.area, kSqMilsPerSqMm);
  return r;
}

double AnnularOuterDiameterImperial(double ohmsPerSqIn, double insideMils, double targetOhms) {
  return Mul(Mul(DiameterGrowth(ohmsPerSqIn, targetOhms), Mul(insideMils, kInchesPerMil)), kMilsPerInch);
}

double AnnularOuterDiameterMetric(double ohmsPerSqMm, double insideMm, double targetOhms) {
  return Mul(DiameterGrowth(SheetResistancePerSqInch(ohmsPerSqMm), targetOhms), insideMm);
}

double RingThickness(double outerDiameter, double insideDiameter) {
  return Div(Sub(outerDiameter, insideDiameter), kDiametersPerRadius);
}

double RingArea(double outerDiameter, double insideDiameter) {
  const double circles = Sub(Mul(outerDiameter, outerDiameter), Mul(insideDiameter, insideDiameter));
  return Mul(Div(kPi, kSquaredDiametersPerSquaredRadius), circles);
}

}  // namespace cq
