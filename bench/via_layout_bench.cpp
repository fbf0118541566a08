// One Via Properties solve per property layout (single via, differential
// vias).
#include "radio_item_solve.h"

namespace cq::test {
namespace {

void SolveViaPropertyLayout(benchmark::State& state) { SolveWithRadioItem(state, "ViaProperties1", "RadioGroup5"); }
BENCHMARK(SolveViaPropertyLayout)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cq::test
