// The six structure steps of the Differential Pairs solve.
#include "app/input_check.h"
#include "app/working_values.h"
#include "calc/diffpair/coupled_structures.h"
#include "calc/diffpair/diffpair_solver_controls.h"
#include "platform/unit_factors.h"
#include "platform/checked_math.h"
#include "platform/numbers.h"

namespace cq {
namespace {
constexpr std::string_view kBroadsideHeightMessage =
    "Conductor height can't be less than or equal to conductor thickness + spacing";

}  // namespace

bool DifferentialPairsSolver::EdgeCoupledMicrostrip(const Front& front, Control* /*sender*/) {
  auto& v = page_.values();
  // The only outer-layer pair: its plating counts.
  v.TotalCopperThickness = Add(v.PlatingThickness, v.BaseCopperThickness);
  writeCopper(v.TotalCopperThickness, front.metric);
  const double h = read(c_->height);
  v.ConductorHeight = h;
  const double er = MicrostripPairEffectiveEr(v.SubstrateEr, v.ConductorWidth, h);
  c_->effectiveEr.setCaption(FormatGeneralFloat(er));
  const double lsat = writeSaturationLength(er, front);
  const double zo = EdgeMicrostripZo(v.SubstrateEr, v.ConductorWidth, h, v.TotalCopperThickness);
  writeEdgePair(zo, [&] { return EdgeMicrostripZdiff(zo, v.ConductorSpacing, h); }, h, lsat, front);
  return true;
}

bool DifferentialPairsSolver::EdgeCoupledStripline(const Front& front, Control* /*sender*/) {
  auto& v = page_.values();
  v.TotalCopperThickness = v.BaseCopperThickness;
  writeCopper(v.TotalCopperThickness, front.metric);
  const double h = read(c_->height);
  v.ConductorHeight = h;
  const double lsat = writeSaturationLength(v.SubstrateEr, front);
  const double zo = SymStriplinePairZo(v.SubstrateEr, v.ConductorWidth, h, v.TotalCopperThickness, front.metric);
  writeEdgePair(zo, [&] { return StriplinePairZdiff(zo, v.ConductorSpacing, h); }, h, lsat, front);
  return true;
}

bool DifferentialPairsSolver::EdgeCoupledAsymStripline(const Front& front, Control* /*sender*/) {
  auto& v = page_.values();
  const double t = v.BaseCopperThickness;
  v.TotalCopperThickness = t;
  writeCopper(t, front.metric);
  const double h1 = read(c_->height);
  const double h2 = read(c_->height2);
  const double b = Add(Add(h1, h2), t);
  v.ConductorHeight = b;
  // Centred, the symmetric pair is the one to use; the notice says so.
  for (Label* notice : c_->equalHeightsNotice) notice->setVisible(h1 == h2);
  const double lsat = writeSaturationLength(v.SubstrateEr, front);
  const double zo = AsymStriplinePairZo(v.SubstrateEr, v.ConductorWidth, h1, h2, t, front.metric);
  writeEdgePair(zo, [&] { return StriplinePairZdiff(zo, v.ConductorSpacing, b); }, b, lsat, front);
  return true;
}

bool DifferentialPairsSolver::EdgeCoupledEmbedded(const Front& front, Control* /*sender*/) {
  auto& v = page_.values();
  const double t = v.BaseCopperThickness;
  v.TotalCopperThickness = t;
  // The formulas work in mils in both unit systems.
  double h1, h2, tMils;
  if (front.metric) {
    writeCopper(t, true);
    h1 = CheckedMmToMils(read(c_->height));
    h2 = CheckedMmToMils(read(c_->height2));
    v.ConductorWidth = CheckedMmToMils(read(c_->width));
    v.ConductorSpacing = CheckedMmToMils(read(c_->spacing));
    tMils = CheckedMmToMils(t);
  } else {
    h1 = read(c_->height);
    h2 = read(c_->height2);
    writeCopper(t, false);
    tMils = t;
  }
  const double er = EmbeddedPairEffectiveEr(v.SubstrateEr, h1, h2);
  const double lsat = writeSaturationLength(er, front);
  const double zo = EmbeddedPairZo(er, v.ConductorWidth, h1, tMils);
  // The pair couples through the substrate above it: S over H2.
  writeEdgePair(zo, [&] { return EdgeMicrostripZdiff(zo, v.ConductorSpacing, h2); }, h2, lsat, front);
  return true;
}

bool DifferentialPairsSolver::BroadsideCoupled(const Front& front, bool shielded, Control* sender) {
  auto& v = page_.values();
  const double t = v.BaseCopperThickness;
  const double s = v.ConductorSpacing;
  v.TotalCopperThickness = t;
  writeCopper(t, front.metric);
  v.ConductorHeight = BroadsideGap(read(c_->height), t, s);

  // The height for which the gap equals the copper thickness. With no
  // copper thickness it fails the same test, so the field keeps its text and
  // the solve ends instead of solving again and again.
  const auto tooSmall = [t, s](double h) { return BroadsideHeightTooSmall(h, t, s); };
  const double h = read(c_->height);
  if (tooSmall(h)) {
    std::string corrected = FormatGeneralFloat(BroadsideCorrectedHeight(t, s));
    const bool settles = !tooSmall(ParseLocaleFloat(corrected));
    if (!settles) corrected = c_->height.text();
    return !EndsSolve(page_, c_->height, h,
                      {tooSmall, kBroadsideHeightMessage, corrected, {}, settles ? Ending::AfterResolve : Ending::Now},
                      sender);
  }

  const double lsat = writeSaturationLength(v.SubstrateEr, front);
  const double gapMils = front.metric ? CheckedMmToMils(v.ConductorHeight) : v.ConductorHeight;
  const double zdiff = shielded ? BroadsideShieldedZdiff(v.SubstrateEr, v.ConductorWidth, s, t, gapMils)
                                : BroadsideUnshieldedZdiff(v.SubstrateEr, v.ConductorWidth, s, t);
  writeZdiff(zdiff);
  writeRatios(v.ConductorWidth, s, h);
  // A broadside pair has no single-ended impedance of its own.
  writeCoupling(std::nullopt, zdiff, lsat, front);
  return true;
}

}  // namespace cq
