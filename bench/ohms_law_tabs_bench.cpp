// One solve of the Ohm's Law page per tab of its network calculators, the
// E-I-R panel included, as the solve operation runs it.
#include <benchmark/benchmark.h>

#include "platform/controls.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

void SolveOhmsLawTab(benchmark::State& state) {
  TestProgram p;
  p.chooseMenu("OhmsLaw1");
  auto& tabs = static_cast<TabControl&>(p.control("TabControl3"));
  const int tab = static_cast<int>(state.range(0));
  tabs.userSelect(tab);
  for (auto _ : state) p.main().Button1Click(nullptr);
  state.SetLabel(tabs.tabs()[static_cast<std::size_t>(tab)]);
}
BENCHMARK(SolveOhmsLawTab)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cq::test
