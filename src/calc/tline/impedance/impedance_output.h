#pragma once
// What every structure block of the Conductor Impedance page writes the
// same way: the copper text, the Zo/Tpd/Co/Lo block and the range rows.
#include <string_view>

#include "calc/tline/impedance/impedance_solve.h"

namespace cq {

// Label56: "%.2f mils" of mils, or "%3.0f um" of a thickness in mm.
void WriteCopperText(ImpedanceSolve& s, double thickness);

// Tpd, Co and Lo of a guarded structure show "Error" when not positive;
// the next value is still computed from the stored one.
enum class ResultGuard { None, ErrorIfNotPositive };

// Zo with its format ("%.4f Ohms" or "%.3f Ohms") into Edit70 and
// CharacteristicImpedance, then Tpd (given per inch; per cm in Metric),
// Co = Tpd / Zo and Lo = Zo^2 Co / 1000, each written as soon as known.
void WriteImpedanceResults(ImpedanceSolve& s, double zo, std::string_view zoFormat, double tpdPerInch,
                           ResultGuard guard);

// A fixed restriction text, with commas for its points in comma mode.
void WriteRestriction(ImpedanceSolve& s, Label& line, std::string_view text);

// A dimension row: black and the plain value within [lo, hi], otherwise
// red with " Warning!" after the value to one decimal.
void WriteRangeRow(ImpedanceSolve& s, Label& row, double value, double lo, double hi);

// Label261: Zo to four decimals, black within 40 to 90 Ohms, red with
// " Warning!" outside.
void WriteImpedanceRow(ImpedanceSolve& s, double zo);

}  // namespace cq
