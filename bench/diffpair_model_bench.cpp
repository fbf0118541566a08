// The differential-pair formulas with the coupling figures, one structure
// per run, at the page's start values (mils).
#include <benchmark/benchmark.h>

#include "calc/diffpair/coupled_structures.h"
#include "calc/diffpair/pair_coupling.h"

namespace cq {
namespace {

constexpr double kEr = 4.6, kW = 10, kS = 5, kH = 15, kH2 = 5, kT = 0.7;

double CouplingFigures(double zo, double zdiff, double lsat) {
  const double zodd = OddModeImpedance(zdiff);
  const double zeven = EvenModeImpedance(zo, zodd);
  const double kb = BackwardCouplingTerminated(zeven, zodd, zo);
  const double kbu = BackwardCouplingUnterminated(zeven, zodd);
  return CouplingDecibels(kb) + CouplingDecibels(kbu) + NearEndVoltage(kb, 100, lsat, 1) +
         NearEndVoltage(kbu, 100, lsat, 1);
}

void DiffPairModelEdgeExternal(benchmark::State& state) {
  for (auto _ : state) {
    const double e = MicrostripPairEffectiveEr(kEr, kW, kH);
    const double zo = EdgeMicrostripZo(kEr, kW, kH, 2.1);
    benchmark::DoNotOptimize(
        CouplingFigures(zo, EdgeMicrostripZdiff(zo, kS, kH), SaturationLength(e, 1, false)));
  }
}
BENCHMARK(DiffPairModelEdgeExternal);

void DiffPairModelEdgeInternalSym(benchmark::State& state) {
  for (auto _ : state) {
    const double zo = SymStriplinePairZo(kEr, kW, kH, kT, false);
    benchmark::DoNotOptimize(
        CouplingFigures(zo, StriplinePairZdiff(zo, kS, kH), SaturationLength(kEr, 1, false)));
  }
}
BENCHMARK(DiffPairModelEdgeInternalSym);

void DiffPairModelEdgeInternalAsym(benchmark::State& state) {
  for (auto _ : state) {
    const double zo = AsymStriplinePairZo(kEr, kW, kH, kH2, kT, false);
    benchmark::DoNotOptimize(CouplingFigures(zo, StriplinePairZdiff(zo, kS, kH + kH2 + kT),
                                             SaturationLength(kEr, 1, false)));
  }
}
BENCHMARK(DiffPairModelEdgeInternalAsym);

void DiffPairModelEdgeEmbedded(benchmark::State& state) {
  for (auto _ : state) {
    const double e = EmbeddedPairEffectiveEr(kEr, kH2, kH);
    const double zo = EmbeddedPairZo(e, kW, kH2, kT);
    benchmark::DoNotOptimize(
        CouplingFigures(zo, EdgeMicrostripZdiff(zo, kS, kH), SaturationLength(e, 1, false)));
  }
}
BENCHMARK(DiffPairModelEdgeEmbedded);

void DiffPairModelBroadside(benchmark::State& state) {
  const bool shielded = state.range(0) != 0;
  for (auto _ : state) {
    const double gap = BroadsideGap(kH, kT, kS);
    const bool tooSmall = BroadsideHeightTooSmall(kH, kT, kS);
    const double zdiff = shielded ? BroadsideShieldedZdiff(kEr, kW, kS, kT, gap)
                                  : BroadsideUnshieldedZdiff(kEr, kW, kS, kT);
    benchmark::DoNotOptimize(zdiff + SaturationLength(kEr, 1, false) + (tooSmall ? 1 : 0));
  }
}
BENCHMARK(DiffPairModelBroadside)->Arg(1)->Arg(0);

}  // namespace
}  // namespace cq
