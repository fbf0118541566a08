// One solve of the Ohm's Law page on each capacitor and inductor tab, the
// E-I-R panel and the pre-solve steps included.
#include <benchmark/benchmark.h>

#include "platform/controls.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

void SolveOhmsLawReactiveTab(benchmark::State& state) {
  TestProgram p;
  p.chooseMenu("OhmsLaw1");
  const int tab = static_cast<int>(state.range(0));
  static_cast<TabControl&>(p.control("TabControl3")).userSelect(tab);
  for (auto _ : state) p.main().Button1Click(nullptr);
  state.SetLabel(static_cast<TabControl&>(p.control("TabControl3")).tabs()[static_cast<std::size_t>(tab)]);
}
BENCHMARK(SolveOhmsLawReactiveTab)->DenseRange(5, 8)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cq::test
