#pragma once
// The structure blocks of the Conductor Impedance page, one per item of
// RadioGroup3, each in its own file.
#include <array>

#include "calc/tline/impedance/impedance_solve.h"

namespace cq {

void SolveMicrostripBlock(ImpedanceSolve& s);
void SolveAsymStriplineBlock(ImpedanceSolve& s);

// In the order of the structure radio; nullptr: no block yet, the results
// stay empty.
inline constexpr std::array<ImpedanceBlock, 6> kImpedanceBlocks = {
    SolveMicrostripBlock,     // "Microstrip"
    nullptr,                  // "Microstrip Embed"
    nullptr,                  // "Stripline"
    SolveAsymStriplineBlock,  // "Stripline Asym"
    nullptr,                  // "Dual Stripline"
    nullptr,                  // "Coplanar Wave"
};

}  // namespace cq
