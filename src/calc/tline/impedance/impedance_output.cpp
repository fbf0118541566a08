#include "calc/tline/impedance/impedance_output.h"

#include <string>

#include "calc/conductor/total_copper_text.h"
#include "platform/unit_factors.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {

constexpr double kZoLow = 40;
constexpr double kZoHigh = 90;

void WriteGuarded(ImpedanceSolve& s, Edit& field, double value, std::string_view format, ResultGuard guard) {
  // The guard compares, and comparing a value that is no number traps.
  if (guard == ResultGuard::ErrorIfNotPositive && CheckNumber(value) <= 0) {
    field.setText("Error");
    return;
  }
  s.page.show(field, format, value);
}

void WriteRow(ImpedanceSolve& s, Label& row, bool inRange, const std::string& value) {
  row.setFontColor(inRange ? colors::Black : colors::Red);
  s.page.showFormatted(row, inRange ? value : Format("%s Warning!", value));
}

}  // namespace

void WriteCopperText(ImpedanceSolve& s, double thickness) {
  ShowTotalCopper(s.page, s.c.totalCopper, thickness, s.metric);
}

void WriteImpedanceResults(ImpedanceSolve& s, double zo, std::string_view zoFormat, double tpdPerInch,
                           ResultGuard guard) {
  s.v.CharacteristicImpedance = zo;
  s.page.show(s.c.zo, zoFormat, zo);

  const double tpd = s.metric ? Div(tpdPerInch, kCmPerInch) : tpdPerInch;
  WriteGuarded(s, s.c.tpd, tpd, s.metric ? "%.4f ps/cm" : "%.4f ps/in", guard);
  const double co = Div(tpd, zo);
  WriteGuarded(s, s.c.co, co, s.metric ? "%.4f pF/cm" : "%.4f pF/in", guard);
  const double lo = Mul(Mul(zo, zo), co) / 1000;
  WriteGuarded(s, s.c.lo, lo, s.metric ? "%.4f nH/cm" : "%.4f nH/in", guard);
}

void WriteRestriction(ImpedanceSolve& s, Label& line, std::string_view text) {
  line.setCaption(LocalizeDecimalPoints(std::string(text), s.page.decimalComma()));
}

void WriteRangeRow(ImpedanceSolve& s, Label& row, double value, double lo, double hi) {
  const bool inRange = lo <= CheckNumber(value) && value <= hi;
  WriteRow(s, row, inRange, inRange ? FormatGeneralFloat(value) : Format("%.1f", value));
}

void WriteImpedanceRow(ImpedanceSolve& s, double zo) {
  WriteRow(s, s.c.impedanceRow, kZoLow <= CheckNumber(zo) && zo <= kZoHigh, Format("%.4f", zo));
}

}  // namespace cq
