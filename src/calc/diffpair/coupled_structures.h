#pragma once
// Impedance formulas of the edge- and broadside-coupled pairs. Lengths are
// in one unit throughout unless a parameter says mils.

namespace cq {

// Edge-coupled microstrip: effective permittivity of the pair (with the
// narrow-line term when W < H), single-ended and differential impedance.
double MicrostripPairEffectiveEr(double er, double w, double h);
double EdgeMicrostripZo(double er, double w, double h, double t);
// Also the embedded pair's Zdiff, with the substrate thickness as href.
double EdgeMicrostripZdiff(double zo, double s, double href);

// Edge-coupled stripline centred between planes h apart. The metric formula
// keeps its own rounded constant, so the two unit systems differ slightly.
double SymStriplinePairZo(double er, double w, double h, double t, bool metric);
// Edge-coupled stripline off centre, H1 and H2 from the planes: the
// offset-stripline model, which works in mils (metric lengths are mm).
double AsymStriplinePairZo(double er, double w, double h1, double h2, double t, bool metric);
// Both stripline pairs; href is the plane-to-plane distance.
double StriplinePairZdiff(double zo, double s, double href);

// Edge-coupled embedded microstrip, all lengths in mils.
double EmbeddedPairEffectiveEr(double er, double h1, double h2);
double EmbeddedPairZo(double effectiveEr, double w, double h1, double t);

// Broadside-coupled pairs: the gap from each conductor to the boundary of h,
// the height test, the corrected height, and Zdiff. gapMils is the gap in
// mils; shielded pairs only.
double BroadsideGap(double h, double t, double s);
bool BroadsideHeightTooSmall(double h, double t, double s);
double BroadsideCorrectedHeight(double t, double s);
double BroadsideUnshieldedZdiff(double er, double w, double s, double t);
double BroadsideShieldedZdiff(double er, double w, double s, double t, double gapMils);

}  // namespace cq
