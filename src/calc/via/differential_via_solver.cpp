#include "calc/via/differential_via_solver.h"

#include "app/input_check.h"
#include "app/working_values.h"
#include "calc/via/differential_via_checks.h"
#include "calc/via/differential_via_model.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

DifferentialViaSolver::DifferentialViaSolver(PageContext page)
    : page_(page), form_(page.form()) {}

double DifferentialViaSolver::read(const Edit& edit) const { return ParseLocaleFloat(edit.text()); }

double DifferentialViaSolver::checked(Edit& field, InputRule rule, const std::function<std::string()>& corrected) {
  const double value = read(field);
  // Most solves refuse nothing: the rewritten text is written out only then.
  if (!rule.refuses(value)) return value;
  const std::string text = corrected();
  rule.corrected = text;
  return CheckValue(page_, field, value, rule);
}

void DifferentialViaSolver::Solve() {
  const bool metric = page_.metric();
  const double d = read(hole_);
  const double anisotropy = read(anisotropy_);
  const double s = checked(spacing_, DifferentialViaSpacingRule(d, {}),
                           [&] { return DifferentialViaSpacingText(d, metric); });
  const InputRule opening = DifferentialViaOpeningRule(d, {});
  const auto openingText = [&] { return DifferentialViaOpeningText(d, metric); };
  const double h = checked(openingHeight_, opening, openingText);
  const double w = checked(openingWidth_, opening, openingText);
  const double baud = read(baudRate_);

  const double erAvg = DifferentialViaAverageEr(page_.values().SubstrateEr, anisotropy);
  const double spacingTerm = DifferentialViaSpacingTerm(s, d);
  const double openingTerm = DifferentialViaOpeningTerm(h, w, d);
  const double zOdd = DifferentialViaOddModeImpedance(erAvg, spacingTerm, openingTerm);
  page_.show(oddMode_, "%.3f Ohms", zOdd);
  const double zDiff = Mul(2, zOdd);
  page_.show(differential_, "%.3f Ohms", zDiff);
  const double erEff = DifferentialViaEffectiveEr(erAvg, spacingTerm, openingTerm);
  page_.show(effectiveEr_, "%.3f", erEff);
  const double stub = DifferentialViaMaxStubLength(erEff, baud, metric);
  page_.show(maxStub_, metric ? "%.4f mm" : "%.2f mils", stub);
  const double loss = DifferentialViaInsertionLoss(read(pairImpedance_), zDiff);
  page_.show(insertionLoss_, "%.4f dB", loss);
}

}  // namespace cq
