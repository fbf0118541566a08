#include "calc/tline/impedance/impedance_blocks.h"
#include "calc/tline/impedance/impedance_output.h"
#include "calc/tline/microstrip_dispersion_model.h"
#include "platform/unit_factors.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

void SolveMicrostripBlock(ImpedanceSolve& s) {
  WorkingValues& v = s.v;
  // An outer conductor: the plating counts.
  v.TotalCopperThickness = v.PlatingThickness + v.BaseCopperThickness;
  WriteCopperText(s, v.TotalCopperThickness);
  v.ConductorWidth = ParseLocaleFloat(s.c.width.text());
  v.ConductorHeight = ParseLocaleFloat(s.c.height.text());

  // The model works in mm and GHz whatever the unit system.
  const auto toMm = [&s](double length) { return s.metric ? length : CheckedMilsToMm(length); };
  const double ghz = ParseLocaleFloat(s.c.frequency.text()) / 1000;
  const MicrostripDispersion m = MicrostripDispersionModel(toMm(v.ConductorWidth), toMm(v.ConductorHeight),
                                                           toMm(v.TotalCopperThickness), v.SubstrateEr, ghz);
  s.page.show(s.c.erEffective, "%.4f", m.eef);
  WriteImpedanceResults(s, m.zo, "%.4f Ohms", Mul(1000, Sqrt(m.eef)) / kInchesPerNs, ResultGuard::None);
}

}  // namespace cq
