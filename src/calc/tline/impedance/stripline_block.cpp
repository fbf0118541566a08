#include "calc/tline/impedance/impedance_blocks.h"
#include "calc/tline/impedance/impedance_output.h"
#include "calc/tline/impedance/inner_range_rows.h"
#include "calc/tline/stripline_model.h"
#include "platform/numbers.h"

namespace cq {

void SolveStriplineBlock(ImpedanceSolve& s) {
  WorkingValues& v = s.v;
  // An inner conductor: base copper only; the formula takes the page's unit.
  const double t = v.BaseCopperThickness;
  v.TotalCopperThickness = t;
  WriteCopperText(s, t);

  const double w = ParseLocaleFloat(s.c.width.text());
  v.ConductorWidth = w;
  const double h = v.ConductorHeight;
  const double er = v.SubstrateEr;
  const double zo = StriplineImpedance(w, h, t, er);
  WriteImpedanceResults(s, zo, "%.3f Ohms", StriplineDelayPsPerInch(er), ResultGuard::None);

  // The fit speaks of the plane spacing 2H; the row shows H itself.
  WriteInnerRanges(s, "(2H)", w, h, zo);
}

}  // namespace cq
