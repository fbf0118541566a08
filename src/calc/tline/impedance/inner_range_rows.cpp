#include "calc/tline/impedance/inner_range_rows.h"

#include <string>

#include "calc/tline/impedance/impedance_output.h"
#include "platform/format.h"

namespace cq {

namespace {

constexpr double kLowMils = 5;
constexpr double kHighMils = 15;
// The metric rows are a little wider than 0.127 to 0.381 mm, so that the
// converted 5 and 15 mils stay black.
constexpr double kLowMm = 0.1269;
constexpr double kHighMm = 0.3811;

}  // namespace

void WriteInnerRanges(ImpedanceSolve& s, std::string_view heightName, double w, double h, double zo) {
  const std::string_view bounds = s.metric ? "0.127mm < %s < 0.381mm" : "5mils < %s < 15mils";
  const auto line = [bounds](std::string_view name) { return Format(bounds, name); };
  WriteRestriction(s, s.c.restriction1, line("(W)"));
  WriteRestriction(s, s.c.restriction2, line(heightName));
  WriteRestriction(s, s.c.restriction3, "40< Ohms < 90");

  const double lo = s.metric ? kLowMm : kLowMils;
  const double hi = s.metric ? kHighMm : kHighMils;
  s.c.widthRowCaption.setCaption("(W) = ");
  WriteRangeRow(s, s.c.widthRow, w, lo, hi);
  s.c.heightRowCaption.setCaption("(H) = ");
  WriteRangeRow(s, s.c.heightRow, h, lo, hi);
  WriteImpedanceRow(s, zo);
}

}  // namespace cq
