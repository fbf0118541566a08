#pragma once
// The range advice that the stripline and the embedded microstrip share:
// 5 to 15 mils of width and height, 40 to 90 Ohms.
#include <string_view>

#include "calc/tline/impedance/impedance_solve.h"

namespace cq {

// The three restriction lines (the height one names heightName, "(H1)" or
// "(2H)"), then the W, H and Zo rows; lengths in the page's unit.
void WriteInnerRanges(ImpedanceSolve& s, std::string_view heightName, double w, double h, double zo);

}  // namespace cq
