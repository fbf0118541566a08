#include "app/input_messages.h"
#include "calc/tline/asym_stripline/asym_stripline_model.h"
#include "calc/tline/impedance/impedance_blocks.h"
#include "calc/tline/impedance/impedance_output.h"
#include "calc/tline/stripline_model.h"
#include "platform/unit_factors.h"
#include "platform/numbers.h"

namespace cq {

namespace {

enum Formula { kDefault = 0, kIpc2141 = 1, kWadell = 2 };

}  // namespace

void SolveAsymStriplineBlock(ImpedanceSolve& s) {
  WorkingValues& v = s.v;
  // An inner conductor: base copper only. The formulas take mils.
  const double t = s.metric ? MmToMils(v.BaseCopperThickness) : v.BaseCopperThickness;
  v.TotalCopperThickness = t;
  WriteCopperText(s, s.metric ? MilsToMm(t) : t);

  const auto mils = [&s](double length) { return s.metric ? MmToMils(length) : length; };
  const double w = mils(ParseLocaleFloat(s.c.width.text()));
  v.ConductorWidth = w;
  const double h1 = mils(ParseLocaleFloat(s.c.height.text()));
  const double h2 = mils(ReadStructureLength(s, s.c.second, kHeightPositiveMessage));

  const bool equalHeights = h1 == h2;
  s.c.equalHeightsNote.setVisible(equalHeights);
  s.c.equalHeightsHint.setVisible(equalHeights);

  const double er = v.SubstrateEr;
  double zo = 0;
  switch (s.c.formula.itemIndex()) {
    case kDefault:
      s.c.mode.setCaption(AsymStriplineModeOf(w, h1, h2) == AsymStriplineMode::Narrow ? "Narrow calculation mode"
                                                                                      : "Wide calculation mode");
      zo = AsymStriplineDefaultModel(w, h1, h2, t, er).zo;
      break;
    case kIpc2141: zo = AsymStriplineIpc2141(w, h1, h2, t, er); break;
    case kWadell: zo = AsymStriplineWadell(w, h1, h2, t, er); break;
    default: return;
  }
  WriteImpedanceResults(s, zo, "%.3f Ohms", StriplineDelayPsPerInch(er), ResultGuard::ErrorIfNotPositive);
}

}  // namespace cq
