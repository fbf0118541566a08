#pragma once
// Two plated vias carrying a differential signal through the reference
// planes: odd-mode and differential impedance, effective permittivity,
// the longest stub that keeps its resonance off the signal, and the loss of
// the mismatch against the connected pair. Hole, spacing and plane opening
// share one unit, so only their ratios enter.
//
// A geometry with no real value (spacing not above the hole, opening not
// above the hole) gives a result that is not a number, never an error box;
// an exact zero divisor raises the framework's division error at its step.
namespace cq {

// Mean of the in-plane and through-plane permittivity; anisotropy in percent.
double DifferentialViaAverageEr(double er, double anisotropyPercent);

// ln(sqrt(x^2 - 1) + x) for x = spacing / hole.
double DifferentialViaSpacingTerm(double spacing, double hole);

// ln((H + W) / (2 d)) of the plane opening H by W around the hole d.
double DifferentialViaOpeningTerm(double openingHeight, double openingWidth, double hole);

// Ohms: 60 / sqrt(Er_avg) x sqrt(spacing term x opening term).
double DifferentialViaOddModeImpedance(double averageEr, double spacingTerm, double openingTerm);

double DifferentialViaEffectiveEr(double averageEr, double spacingTerm, double openingTerm);

// The longest stub for a baud rate in GBaud, in mils or in mm.
double DifferentialViaMaxStubLength(double effectiveEr, double baudGbaud, bool metric);

// dB, two passes through the mismatch of the via pair (Zdiff) against the
// pair it joins (Zdp): zero when matched, negative otherwise.
double DifferentialViaInsertionLoss(double pairImpedance, double viaImpedance);

}  // namespace cq
