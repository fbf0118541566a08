// One whole solve of Via Properties per property layout (single via,
// differential vias), pre-solve steps included, at the page's start values.
#include <benchmark/benchmark.h>

#include <string>

#include "support/test_program.h"

namespace cq::test {
namespace {

void SolveViaPropertyLayout(benchmark::State& state) {
  TestProgram p;
  p.chooseMenu("ViaProperties1");
  const int layout = static_cast<int>(state.range(0));
  p.selectRadio("RadioGroup5", layout);
  for (auto _ : state) p.main().Button1Click(nullptr);
  state.SetLabel(p.form().radio("RadioGroup5").items().at(layout));
}
BENCHMARK(SolveViaPropertyLayout)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cq::test
