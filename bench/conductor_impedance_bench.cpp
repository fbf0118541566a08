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
  std::string label = p.items("RadioGroup3")[structure];
  if (p.showing("RadioGroup24")) label += " " + p.items("RadioGroup24")[state.range(1)];
  state.SetLabel(label);
}
BENCHMARK(SolveConductorImpedanceStructure)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({3, 0})
    ->Args({3, 1})
    ->Args({3, 2})
    ->Args({4, 0})
    ->Args({5, 0})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cq::test
