#include "calc/diffpair/differential_pairs_structures.h"

#include "app/input_check.h"
#include "calc/diffpair/coupled_structures.h"
#include "platform/unit_factors.h"
#include "platform/checked_math.h"
#include "platform/numbers.h"

namespace cq {
namespace {
constexpr std::string_view kBroadsideHeightMessage =
    "Conductor height can't be less than or equal to conductor thickness + spacing";

}  // namespace

bool SolveEdgeCoupledMicrostrip(PairSolve& s) {
  auto& v = s.v;
  // The only outer-layer pair: its plating counts.
  v.TotalCopperThickness = Add(v.PlatingThickness, v.BaseCopperThickness);
  WriteCopper(s, v.TotalCopperThickness);
  const double h = s.read(s.c.height);
  v.ConductorHeight = h;
  const double er = MicrostripPairEffectiveEr(v.SubstrateEr, v.ConductorWidth, h);
  s.c.effectiveEr.setCaption(FormatGeneralFloat(er));
  const double lsat = WriteSaturationLength(s, er);
  const double zo = EdgeMicrostripZo(v.SubstrateEr, v.ConductorWidth, h, v.TotalCopperThickness);
  WriteEdgePair(s, zo, [&] { return EdgeMicrostripZdiff(zo, v.ConductorSpacing, h); }, h, lsat);
  return true;
}

bool SolveEdgeCoupledStripline(PairSolve& s) {
  auto& v = s.v;
  v.TotalCopperThickness = v.BaseCopperThickness;
  WriteCopper(s, v.TotalCopperThickness);
  const double h = s.read(s.c.height);
  v.ConductorHeight = h;
  const double lsat = WriteSaturationLength(s, v.SubstrateEr);
  const double zo = SymStriplinePairZo(v.SubstrateEr, v.ConductorWidth, h, v.TotalCopperThickness, s.metric);
  WriteEdgePair(s, zo, [&] { return StriplinePairZdiff(zo, v.ConductorSpacing, h); }, h, lsat);
  return true;
}

bool SolveEdgeCoupledAsymStripline(PairSolve& s) {
  auto& v = s.v;
  const double t = v.BaseCopperThickness;
  v.TotalCopperThickness = t;
  WriteCopper(s, t);
  const double h1 = s.read(s.c.height);
  const double h2 = s.read(s.c.height2);
  const double b = Add(Add(h1, h2), t);
  v.ConductorHeight = b;
  // Centred, the symmetric pair is the one to use; the notice says so.
  for (Label* notice : s.c.equalHeightsNotice) notice->setVisible(h1 == h2);
  const double lsat = WriteSaturationLength(s, v.SubstrateEr);
  const double zo = AsymStriplinePairZo(v.SubstrateEr, v.ConductorWidth, h1, h2, t, s.metric);
  WriteEdgePair(s, zo, [&] { return StriplinePairZdiff(zo, v.ConductorSpacing, b); }, b, lsat);
  return true;
}

bool SolveEdgeCoupledEmbedded(PairSolve& s) {
  auto& v = s.v;
  const double t = v.BaseCopperThickness;
  v.TotalCopperThickness = t;
  // The formulas work in mils in both unit systems.
  double h1, h2, tMils;
  if (s.metric) {
    WriteCopper(s, t);
    h1 = CheckedMmToMils(s.read(s.c.height));
    h2 = CheckedMmToMils(s.read(s.c.height2));
    v.ConductorWidth = CheckedMmToMils(s.read(s.c.width));
    v.ConductorSpacing = CheckedMmToMils(s.read(s.c.spacing));
    tMils = CheckedMmToMils(t);
  } else {
    h1 = s.read(s.c.height);
    h2 = s.read(s.c.height2);
    WriteCopper(s, t);
    tMils = t;
  }
  const double er = EmbeddedPairEffectiveEr(v.SubstrateEr, h1, h2);
  const double lsat = WriteSaturationLength(s, er);
  const double zo = EmbeddedPairZo(er, v.ConductorWidth, h1, tMils);
  // The pair couples through the substrate above it: S over H2.
  WriteEdgePair(s, zo, [&] { return EdgeMicrostripZdiff(zo, v.ConductorSpacing, h2); }, h2, lsat);
  return true;
}

namespace {

bool SolveBroadsideCoupled(PairSolve& s, bool shielded) {
  auto& v = s.v;
  const double t = v.BaseCopperThickness;
  const double spacing = v.ConductorSpacing;
  v.TotalCopperThickness = t;
  WriteCopper(s, t);
  v.ConductorHeight = BroadsideGap(s.read(s.c.height), t, spacing);

  // The height for which the gap equals the copper thickness. With no
  // copper thickness it fails the same test, so the field keeps its text and
  // the solve ends instead of solving again and again.
  const auto tooSmall = [t, spacing](double h) { return BroadsideHeightTooSmall(h, t, spacing); };
  const double h = s.read(s.c.height);
  if (tooSmall(h)) {
    std::string corrected = FormatGeneralFloat(BroadsideCorrectedHeight(t, spacing));
    const bool settles = !tooSmall(ParseLocaleFloat(corrected));
    if (!settles) corrected = s.c.height.text();
    return !EndsSolve(s.page, s.c.height, h,
                      {tooSmall, kBroadsideHeightMessage, corrected, {}, settles ? Ending::AfterResolve : Ending::Now},
                      s.sender);
  }

  const double lsat = WriteSaturationLength(s, v.SubstrateEr);
  const double gapMils = s.metric ? CheckedMmToMils(v.ConductorHeight) : v.ConductorHeight;
  const double zdiff = shielded ? BroadsideShieldedZdiff(v.SubstrateEr, v.ConductorWidth, spacing, t, gapMils)
                                : BroadsideUnshieldedZdiff(v.SubstrateEr, v.ConductorWidth, spacing, t);
  WriteZdiff(s, zdiff);
  WriteRatios(s, v.ConductorWidth, spacing, h);
  // A broadside pair has no single-ended impedance of its own.
  WriteCoupling(s, std::nullopt, zdiff, lsat);
  return true;
}

}  // namespace

bool SolveBroadsideShielded(PairSolve& s) { return SolveBroadsideCoupled(s, true); }

bool SolveBroadsideUnshielded(PairSolve& s) { return SolveBroadsideCoupled(s, false); }

}  // namespace cq
