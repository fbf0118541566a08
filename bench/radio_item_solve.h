#pragma once
// One whole solve of a page with one item of a radio chosen, pre-solve steps
// included, at the page's start values; the item's caption labels the figure.
#include <benchmark/benchmark.h>

#include <string>

#include "support/test_program.h"

namespace cq::test {

inline void SolveWithRadioItem(benchmark::State& state, const std::string& menuItem, const std::string& radio) {
  TestProgram p;
  p.chooseMenu(menuItem);
  const int item = static_cast<int>(state.range(0));
  p.selectRadio(radio, item);
  for (auto _ : state) p.main().Button1Click(nullptr);
  state.SetLabel(p.form().radio(radio).items().at(item));
}

}  // namespace cq::test
