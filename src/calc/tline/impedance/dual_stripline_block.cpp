#include "calc/tline/dual_stripline_model.h"
#include "calc/tline/impedance/impedance_blocks.h"
#include "calc/tline/impedance/impedance_output.h"
#include "calc/tline/stripline_model.h"
#include "platform/unit_factors.h"
#include "platform/numbers.h"

namespace cq {

namespace {

constexpr std::string_view kSpacingMessage = "Conductor spacing cannot be less than or equal to zero.";

}  // namespace

void SolveDualStriplineBlock(ImpedanceSolve& s) {
  WorkingValues& v = s.v;
  // An inner conductor: base copper only. The formula takes mils.
  const auto mils = [&s](double length) { return s.metric ? MmToMils(length) : length; };
  WriteCopperText(s, v.BaseCopperThickness);
  const double t = mils(v.BaseCopperThickness);
  v.TotalCopperThickness = t;

  const double w = mils(ParseLocaleFloat(s.c.width.text()));
  v.ConductorWidth = w;
  const double c = mils(ReadStructureLength(s, s.c.second, kSpacingMessage));
  v.ConductorSpacing = c;
  const double h = mils(ParseLocaleFloat(s.c.height.text()));
  v.ConductorHeight = h;

  const double er = v.SubstrateEr;
  WriteImpedanceResults(s, DualStriplineImpedance(w, h, c, t, er), "%.3f Ohms", StriplineDelayPsPerInch(er),
                        ResultGuard::ErrorIfNotPositive);
}

}  // namespace cq
