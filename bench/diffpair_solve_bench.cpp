// One Differential Pairs solve per structure.
#include "radio_item_solve.h"

namespace cq::test {
namespace {

void SolveDifferentialPairStructure(benchmark::State& state) {
  SolveWithRadioItem(state, "DifferentialPairs1", "RadioGroup3");
}
BENCHMARK(SolveDifferentialPairStructure)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cq::test
