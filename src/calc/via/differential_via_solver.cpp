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

void DifferentialViaSolver::write(Edit& field, const std::string& text) { field.setText(page_.localize(text)); }

void DifferentialViaSolver::Solve() {
  const bool metric = page_.metric();
  const double d = read(hole_);
  const double anisotropy = read(anisotropy_);
  const std::string spacingText = DifferentialViaSpacingText(d, metric);
  const double s = *CheckInput(page_, spacing_, DifferentialViaSpacingRule(d, spacingText));
  const std::string openingText = DifferentialViaOpeningText(d, metric);
  const InputRule opening = DifferentialViaOpeningRule(d, openingText);
  const double h = *CheckInput(page_, openingHeight_, opening);
  const double w = *CheckInput(page_, openingWidth_, opening);
  const double baud = read(baudRate_);

  const double erAvg = DifferentialViaAverageEr(page_.values().SubstrateEr, anisotropy);
  const double spacingTerm = DifferentialViaSpacingTerm(s, d);
  const double openingTerm = DifferentialViaOpeningTerm(h, w, d);
  const double zOdd = DifferentialViaOddModeImpedance(erAvg, spacingTerm, openingTerm);
  write(oddMode_, Format("%.3f Ohms", zOdd));
  const double zDiff = Mul(2, zOdd);
  write(differential_, Format("%.3f Ohms", zDiff));
  const double erEff = DifferentialViaEffectiveEr(erAvg, spacingTerm, openingTerm);
  write(effectiveEr_, Format("%.3f", erEff));
  const double stub = DifferentialViaMaxStubLength(erEff, baud, metric);
  write(maxStub_, Format(metric ? "%.4f mm" : "%.2f mils", stub));
  const double loss = DifferentialViaInsertionLoss(read(pairImpedance_), zDiff);
  write(insertionLoss_, Format("%.4f dB", loss));
}

}  // namespace cq
