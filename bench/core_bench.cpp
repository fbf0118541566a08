// Headless costs: building the seven windows from their descriptions and
// switching calculators with their solves.
#include <benchmark/benchmark.h>

#include "app/calculator_table.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

void CreateAllWindows(benchmark::State& state) {
  for (auto _ : state) {
    FakeServices fakes;
    Program program(fakes.services());
    program.createWindows();
    benchmark::DoNotOptimize(program.app().forms().size());
  }
}
BENCHMARK(CreateAllWindows)->Unit(benchmark::kMillisecond);

// The whole start-up to the first idle message loop: windows, loader,
// splash (its sleeps are virtual) and the final solve.
void StartUpToFirstIdle(benchmark::State& state) {
  for (auto _ : state) {
    TestProgram p;
    benchmark::DoNotOptimize(p.main().CurrentCalculator);
  }
}
BENCHMARK(StartUpToFirstIdle)->Unit(benchmark::kMillisecond);

void ActivateEachCalculator(benchmark::State& state) {
  TestProgram p;
  const int calculator = static_cast<int>(state.range(0));
  const std::string item(Calculator(calculator).menuItem);
  for (auto _ : state) p.chooseMenu(item);
  state.SetLabel(std::string(Calculator(calculator).tabCaption));
}
BENCHMARK(ActivateEachCalculator)->DenseRange(0, 18)->Unit(benchmark::kMicrosecond);

// One solve of a calculator's page with its default inputs, pre-solve steps
// included.
void SolveCalculator(benchmark::State& state) {
  TestProgram p;
  const int calculator = static_cast<int>(state.range(0));
  p.chooseMenu(std::string(Calculator(calculator).menuItem));
  for (auto _ : state) p.main().Button1Click(nullptr);
  state.SetLabel(std::string(Calculator(calculator).tabCaption));
}
BENCHMARK(SolveCalculator)->Arg(0)->Arg(2)->Arg(3)->Arg(5)->Arg(6)->Arg(7)->Arg(8)->Arg(9)->Arg(11)->Arg(12)->Arg(13)->Arg(14)->Arg(15)->Arg(16)->Arg(17)->Arg(18)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cq::test
