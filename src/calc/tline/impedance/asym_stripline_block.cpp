#include <array>

#include "app/input_messages.h"
#include "calc/tline/asym_stripline/asym_stripline_model.h"
#include "calc/tline/impedance/impedance_blocks.h"
#include "calc/tline/impedance/impedance_output.h"
#include "calc/tline/stripline_model.h"
#include "platform/unit_factors.h"
#include "platform/numbers.h"

namespace cq {

namespace {

struct AsymInputs {
  double w, h1, h2, t, er;
};
using AsymFormula = double (*)(ImpedanceSolve& s, const AsymInputs& in);

// Zo by each formula, in the order of the formula radio RadioGroup24.
constexpr std::array<AsymFormula, 3> kFormulas = {
    [](ImpedanceSolve& s, const AsymInputs& in) {  // "Default"
      s.c.mode.setCaption(AsymStriplineModeOf(in.w, in.h1, in.h2) == AsymStriplineMode::Narrow
                              ? "Narrow calculation mode"
                              : "Wide calculation mode");
      return AsymStriplineDefaultModel(in.w, in.h1, in.h2, in.t, in.er).zo;
    },
    [](ImpedanceSolve&, const AsymInputs& in) { return AsymStriplineIpc2141(in.w, in.h1, in.h2, in.t, in.er); },
    [](ImpedanceSolve&, const AsymInputs& in) { return AsymStriplineWadell(in.w, in.h1, in.h2, in.t, in.er); },
};

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
  const int formula = s.c.formula.itemIndex();
  if (formula < 0 || formula >= static_cast<int>(kFormulas.size())) return;
  const double zo = kFormulas[static_cast<std::size_t>(formula)](s, {w, h1, h2, t, er});
  WriteImpedanceResults(s, zo, "%.3f Ohms", StriplineDelayPsPerInch(er), ResultGuard::ErrorIfNotPositive);
}

}  // namespace cq
