#pragma once
// Opening one structure of the Conductor Impedance page for a test.
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

}  // namespace cq::test
