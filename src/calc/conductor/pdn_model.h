#pragma once
// Power-delivery network figures: the target impedance of a rail, the
// capacitance of a pair of parallel planes and its reactance. The
// arithmetic raises the framework's floating-point errors (a zero divisor,
// an overflow) at the step where they occur.

namespace cq {

// A percentage as a fraction.
double PercentToFraction(double percent);

// (volts x ripple) / (current x transientShare); ripple and share as
// fractions. Ohms.
double PdnTargetImpedance(double volts, double ripple, double current, double transientShare);

// 0.225 pF per inch x Er x area / distance, area in square inches and
// distance in inches. pF.
double PlaneCapacitanceImperial(double er, double areaSqIn, double distanceIn);
// The same from square mm and mm: area x 0.00155 sq.in, distance / 25.4 in.
double PlaneCapacitanceMetric(double er, double areaSqMm, double distanceMm);

// 1 / (2 pi f C) with f in MHz and C in pF, 2 pi taken as 6.28318. Ohms.
double PlaneReactance(double frequencyMHz, double capacitancePf);

}  // namespace cq
