#pragma once
// Embedded microstrip: a surface conductor H2 above its plane, buried under
// a dielectric of thickness H1. Any one length unit in (the page uses
// inches). The callers establish W > 0, H1 > 0, H2 > 0, T >= 0, Er > 1.

namespace cq {

struct EmbeddedMicrostrip {
  double er_eff;  // permittivity of the partly covered line
  double zo;      // Ohms
  double tpd;     // ps per inch
};

EmbeddedMicrostrip EmbeddedMicrostripModel(double w, double h1, double h2, double t, double er);

}  // namespace cq
