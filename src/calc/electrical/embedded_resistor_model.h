#pragma once
// Polymer-thick-film resistors printed inside a board. Sheet resistance is
// per square inch internally; the Metric page enters it per square mm.
// Rectangular resistors: resistance and area from length and width.
// Annular resistors: the outer diameter that gives a target resistance
// around an inside diameter. 2 pi and pi are taken as 6.28318 and 3.14159,
// as the figures users compare with were made with them.
// Divisions raise the framework's floating-point errors; the exponential
// reports an overflow through the maths-error box and gives +inf.

namespace cq {

struct RectangularResistor {
  double ohms;
  double area;  // square mils (Imperial) or square mm (Metric)
};

// Ohms per square mm to ohms per square inch.
double SheetResistancePerSqInch(double ohmsPerSqMm);

// Length and width in mils, sheet resistance per square inch.
RectangularResistor RectangularResistorImperial(double lengthMils, double widthMils, double ohmsPerSqIn);
// Length and width in mm, sheet resistance per square mm; the area uses
// 1550 square mils per square mm.
RectangularResistor RectangularResistorMetric(double lengthMm, double widthMm, double ohmsPerSqMm);

// The outer diameter of a ring: exp(R / Rs x 2 pi) x Din, in the unit of Din.
double AnnularOuterDiameterImperial(double ohmsPerSqIn, double insideMils, double targetOhms);
double AnnularOuterDiameterMetric(double ohmsPerSqMm, double insideMm, double targetOhms);
// The radial width of the ring: half the difference of the diameters.
double RingThickness(double outerDiameter, double insideDiameter);
// The ring's area, pi / 4 x (Dout^2 - Din^2), in square units of the diameters.
double RingArea(double outerDiameter, double insideDiameter);

}  // namespace cq
