// One solve of the Conductor Impedance page per structure, at the page's
// start values, pre-solve steps included (headless).
#include <benchmark/benchmark.h>

#include <string>

#include "support/test_program.h"

namespace cq::test {
namespace {

void SolveImpedanceStructure(benchmark::State& state) {
  TestProgram p;
  p.chooseMenu("RFImpedances1");
  const int item = static_cast<int>(state.range(0));
  p.selectRadio("RadioGroup3", item);
  for (auto _ : state) p.main().Button1Click(nullptr);
  state.SetLabel(p.items("RadioGroup3").at(item));
}
// Microstrip Embed, Stripline, Dual Stripline, Coplanar Wave.
BENCHMARK(SolveImpedanceStructure)->Arg(1)->Arg(2)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cq::test
