#pragma once
// The structure steps of the Differential Pairs solve, one per item of the
// layer radio RadioGroup3.
#include <array>

#include "calc/diffpair/differential_pairs_solve.h"

namespace cq {

bool SolveEdgeCoupledMicrostrip(PairSolve& s);
bool SolveEdgeCoupledStripline(PairSolve& s);
bool SolveEdgeCoupledAsymStripline(PairSolve& s);
bool SolveEdgeCoupledEmbedded(PairSolve& s);
bool SolveBroadsideShielded(PairSolve& s);
bool SolveBroadsideUnshielded(PairSolve& s);

// In the order of the layer radio.
inline constexpr std::array<PairStructure, 6> kPairStructures = {
    SolveEdgeCoupledMicrostrip,     // "Edge Cpld Ext"
    SolveEdgeCoupledStripline,      // "Edge Cpld Int Sym"
    SolveEdgeCoupledAsymStripline,  // "Edge Cpld Int Asym"
    SolveEdgeCoupledEmbedded,       // "Edge Cpld Embed"
    SolveBroadsideShielded,         // "Broad Cpld Shld"
    SolveBroadsideUnshielded,       // "Broad Cpld NShld"
};

}  // namespace cq
