#pragma once
// Surface microstrip at a frequency: Hammerstad-Jensen static permittivity
// and impedance with the conductor-thickness correction, Kirschning-Jansen
// dispersion of the permittivity and the impedance scaled to it.

namespace cq {

struct MicrostripDispersion {
  double eef;  // effective permittivity at the frequency
  double zo;   // impedance at the frequency, Ohms
  double z0;   // static impedance, Ohms
  double ee0;  // static effective permittivity
  // Steps of the chain, for callers and tests that look inside.
  double u1;   // thickness-corrected width ratio
  double ur;   // width ratio corrected for the substrate
  double ee;   // permittivity of the corrected ratio
  double p;    // dispersion term; 0 at 0 GHz
};

// Lengths in mm, frequency in GHz (the dispersion constants are fitted to
// GHz x mm). The callers establish er > 1, w > 0, h > 0, t >= 0. h = 0
// raises the division-by-zero error; steps outside a function's domain go
// through the maths-error convention of checked_math.h.
MicrostripDispersion MicrostripDispersionModel(double w, double h, double t, double er, double ghz);

}  // namespace cq
