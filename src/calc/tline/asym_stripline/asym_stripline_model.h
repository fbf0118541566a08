#pragma once
// Offset stripline: one conductor between two planes, H1 from one and H2
// from the other. Lengths in mils, Ohms out. The callers establish
// W > 0, H1 > 0, H2 > 0, T >= 0 and Er > 1.

namespace cq {

enum class AsymStriplineMode { Narrow, Wide };

struct AsymStripline {
  double zo;               // Ohms
  AsymStriplineMode mode;  // which of the two fits gave it
};

// Narrow below W / (H1 + H2) = 0.35, wide from it on.
AsymStriplineMode AsymStriplineModeOf(double w, double h1, double h2);

// The default model: an equivalent round conductor when narrow, parallel
// plates with fringing when wide. A narrow conductor too close to one plane
// has no answer (the square root's domain error, then the invalid-operation
// error ends the solve).
AsymStripline AsymStriplineDefaultModel(double w, double h1, double h2, double t, double er);
// The same with the mode already chosen, for a caller that tests the ratio
// in its own length unit before converting to mils.
AsymStripline AsymStriplineDefaultModel(double w, double h1, double h2, double t, double er,
                                        AsymStriplineMode mode);

// The two published alternatives, with their constants as the program has
// always used them.
double AsymStriplineIpc2141(double w, double h1, double h2, double t, double er);
double AsymStriplineWadell(double w, double h1, double h2, double t, double er);

}  // namespace cq
