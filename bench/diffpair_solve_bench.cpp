// One whole solve of the Differential Pairs page per structure, pre-solve
// steps included, at the page's start values.
#include <benchmark/benchmark.h>

#include <string>

#include "support/test_program.h"

namespace cq::test {
namespace {

void SolveDifferentialPairStructure(benchmark::State& state) {
  TestProgram p;
  p.chooseMenu("DifferentialPairs1");
  const int structure = static_cast<int>(state.range(0));
  p.selectRadio("RadioGroup3", structure);
  for (auto _ : state) p.main().Button1Click(nullptr);
  state.SetLabel(p.form().radio("RadioGroup3").items().at(structure));
}
BENCHMARK(SolveDifferentialPairStructure)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cq::test
