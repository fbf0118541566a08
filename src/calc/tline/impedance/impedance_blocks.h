#pragma once
// The structure blocks of the Conductor Impedance page, one per item of
// RadioGroup3, each in its own file.
#include <array>

#include "calc/tline/impedance/impedance_solve.h"

namespace cq {

void SolveMicrostripBlock(ImpedanceSolve& s);
void SolveAsymStriplineBlock(ImpedanceSolve& s);
void SolveEmbeddedMicrostripBlock(ImpedanceSolve& s);
void SolveStriplineBlock(ImpedanceSolve& s);
void SolveDualStriplineBlock(ImpedanceSolve& s);
void SolveCoplanarWaveguideBlock(ImpedanceSolve& s);

// In the order of the structure radio.
inline constexpr std::array<ImpedanceBlock, 6> kImpedanceBlocks = {
    SolveMicrostripBlock,          // "Microstrip"
    SolveEmbeddedMicrostripBlock,  // "Microstrip Embed"
    SolveStriplineBlock,           // "Stripline"
    SolveAsymStriplineBlock,       // "Stripline Asym"
    SolveDualStriplineBlock,       // "Dual Stripline"
    SolveCoplanarWaveguideBlock,   // "Coplanar Wave"
};

}  // namespace cq
