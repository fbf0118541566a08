#pragma once
// Opening one structure of the Conductor Impedance page for a test.
#include <string>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {

// The refusal of a height, which every structure reads.
constexpr const char* kHeightMessage = "Conductor height cannot be less than or equal to zero.";

enum ImpedanceStructure { kMicrostripEmbed = 1, kStripline = 2, kStriplineAsym = 3, kDualStripline = 4, kCoplanarWave = 5 };

// The page on the structure, in Metric when asked; the messages and solves
// of getting there are forgotten.
inline void OpenStructure(TestProgram& t, ImpedanceStructure item, bool metric = false) {
  OpenStructure(t, "RFImpedances1", item, metric);
}

// The line results every structure writes: Zo, Tpd, Co and Lo, then the
// other texts a case names.
inline Texts LineResults(const std::string& zo, const std::string& tpd, const std::string& co, const std::string& lo,
                         const Texts& more = {}) {
  return Joined({{"Edit70", zo}, {"Edit77", tpd}, {"Edit76", co}, {"Edit73", lo}}, more);
}

}  // namespace cq::test
