// One headless solve of the Conductor Impedance page per structure (and per
// formula of the asymmetric stripline), pre-solve steps included.
#include <benchmark/benchmark.h>

#include <string>

#include "support/test_program.h"

namespace cq::test {
namespace {

void SolveConductorImpedanceStructure(benchmark::State& state) {
  TestProgram p;
  p.chooseMenu("RFImpedances1");
  const int structure = static_cast<int>(state.range(0));
  p.selectRadio("RadioGroup3", structure);
  p.selectRadio("RadioGroup24", static_cast<int>(state.range(1)));
  for (auto _ : state) p.main().Button1Click(nullptr);
  state.SetLabel(p.items("RadioGroup3")[structure] + " " + p.items("RadioGroup24")[state.range(1)]);
}
BENCHMARK(SolveConductorImpedanceStructure)
    ->Args({0, 0})
    ->Args({3, 0})
    ->Args({3, 1})
    ->Args({3, 2})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cq::test
