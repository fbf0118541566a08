#include "calc/diffpair/differential_pairs_solve.h"

#include "app/input_check.h"
#include "app/input_messages.h"
#include "calc/conductor/copper_choices.h"
#include "calc/conductor/total_copper_text.h"
#include "calc/diffpair/differential_pairs_structures.h"
#include "calc/diffpair/pair_coupling.h"
#include "calc/diffpair/pair_target.h"
#include "calc/diffpair/zdiff_tolerance.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

double PairSolve::read(const Edit& field) const { return ParseLocaleFloat(field.text()); }

namespace {

void WriteZo(PairSolve& s, double zo) {
  s.v.CharacteristicImpedance = zo;
  s.page.show(s.c.zo, "%.3f Ohms", zo);
}

void CheckTarget(PairSolve& s) {
  DifferentialPairsControls& c = s.c;
  const ZdiffFactors tolerance = ComputeZdiffTolerance(c.tolerance);
  const double target = s.read(c.target);
  const ZdiffBounds bounds = TargetBounds(target, tolerance.upper, tolerance.lower);
  s.page.show(c.upperBound, "%.3f Ohms", bounds.upper);
  s.page.show(c.lowerBound, "%.3f Ohms", bounds.lower);
  c.withinTarget.setBrush(ZdiffWithinTarget(s.v.DifferentialImpedance, bounds) ? colors::Lime : colors::Red);
  const auto mark = [&s](Label& label, double ratio, const std::string& printed) {
    const bool inRange = RatioInFormulaRange(ratio);
    label.setFontColor(inRange ? colors::Black : colors::Red);
    s.page.showFormatted(label, RatioText(printed, inRange));
  };
  mark(c.widthRatio, s.widthRatio, s.widthRatioText);
  mark(c.spacingRatio, s.spacingRatio, s.spacingRatioText);
}

}  // namespace

void SolveDifferentialPairs(const PageContext& page, DifferentialPairsControls& c, Control* sender) {
  c.viaThermal110.setCaption("N/A");
  c.viaThermal285.setCaption("N/A");
  if (!page.unitsChosen()) return;
  PairSolve s{page, c, page.values(), sender, page.metric()};
  WorkingValues& v = s.v;
  CopperWeightThickness(CopperSelectionOf(c.copper, page.programOptions()), v.BaseCopperThickness,
                        v.PlatingThickness);

  s.coupledLength = s.read(c.coupledLength);
  s.riseTime = s.read(c.riseTime);
  s.appliedVoltage = s.read(c.appliedVoltage);
  // The field is rewritten to 1 and this solve computes with what it says.
  v.SubstrateEr = CheckInput(page, c.er, {[](double er) { return er < 1; }, kMinimumErMessage, "1"});
  v.ConductorWidth = s.read(c.width);
  v.ConductorSpacing = s.read(c.spacing);

  const int item = c.structure.itemIndex();
  // Without an item the radio is between a clear and its refill.
  if (item < 0 || item >= static_cast<int>(kPairStructures.size())) return;
  if (kPairStructures[static_cast<std::size_t>(item)](s)) CheckTarget(s);
}

void WriteCopper(PairSolve& s, double t) { ShowTotalCopper(s.page, s.c.totalCopper, t, s.metric, UmOverflow::Raises); }

double WriteSaturationLength(PairSolve& s, double permittivity) {
  const double lsat = SaturationLength(permittivity, s.riseTime, s.metric);
  s.page.show(s.c.saturationLength, s.metric ? "%.2f mm" : "%.2f mils", lsat);
  return lsat;
}

void WriteZdiff(PairSolve& s, double zdiff) {
  s.v.DifferentialImpedance = zdiff;
  s.page.show(s.c.zdiff, "%.3f Ohms", zdiff);
}

void WriteRatios(PairSolve& s, double w, double spacing, double href) {
  s.widthRatio = Div(w, href);
  s.widthRatioText = Format("%.3f", s.widthRatio);
  s.page.showFormatted(s.c.widthRatio, s.widthRatioText);
  s.spacingRatio = Div(spacing, href);
  s.spacingRatioText = Format("%.3f", s.spacingRatio);
  s.page.showFormatted(s.c.spacingRatio, s.spacingRatioText);
}

void WriteCoupling(PairSolve& s, std::optional<double> zo, double zdiff, double lsat) {
  DifferentialPairsControls& c = s.c;
  const double zodd = OddModeImpedance(zdiff);
  s.page.show(c.zodd, "%.3f Ohms", zodd);
  if (!zo) {
    // Without a single-ended impedance of this pair the even mode and the
    // coupling would come from whatever pair was solved before.
    for (Edit* field :
         {&c.zeven, &c.kb, &c.kbUnterminated, &c.kbDb, &c.kbUnterminatedDb, &c.nextTerminated, &c.nextUnterminated}) {
      field->setText("N/A");
    }
    return;
  }
  const double zeven = EvenModeImpedance(*zo, zodd);
  s.page.show(c.zeven, "%.3f Ohms", zeven);
  const double kb = BackwardCouplingTerminated(zeven, zodd, *zo);
  s.page.show(c.kb, "%.4f", kb);
  const double kbu = BackwardCouplingUnterminated(zeven, zodd);
  s.page.show(c.kbUnterminated, "%.4f", kbu);
  s.page.show(c.kbDb, "%.3f", CouplingDecibels(kb));
  s.page.show(c.kbUnterminatedDb, "%.3f", CouplingDecibels(kbu));
  const auto next = [&s, lsat](Edit& shown, double coupling) {
    s.page.show(shown, "%.4f V", NearEndVoltage(coupling, s.coupledLength, lsat, s.appliedVoltage));
  };
  next(c.nextTerminated, kb);
  next(c.nextUnterminated, kbu);
}

void WriteEdgePair(PairSolve& s, double zo, const std::function<double()>& zdiffOf, double href, double lsat) {
  WriteZo(s, zo);
  const double zdiff = zdiffOf();
  WriteZdiff(s, zdiff);
  WriteRatios(s, s.v.ConductorWidth, s.v.ConductorSpacing, href);
  WriteCoupling(s, zo, zdiff, lsat);
}

}  // namespace cq
