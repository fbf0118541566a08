#include "calc/via/differential_via_solver.h"

#include "app/input_check.h"
#include "app/working_values.h"
#include "calc/via/differential_via_checks.h"
#include "calc/via/differential_via_model.h"
#include "calc/via/via_controls.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

DifferentialViaSolver::DifferentialViaSolver(PageContext page, const BoundControls<ViaControls>& controls)
    : page_(page), c_(controls) {}

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
  ViaControls& c = *c_;
  const bool metric = page_.metric();
  const double d = read(c.hole);
  const double anisotropy = read(c.anisotropy);
  const double s = checked(c.spacing, DifferentialViaSpacingRule(d, {}),
                           [&] { return DifferentialViaSpacingText(d, metric); });
  const InputRule opening = DifferentialViaOpeningRule(d, {});
  const auto openingText = [&] { return DifferentialViaOpeningText(d, metric); };
  const double h = checked(c.opening, opening, openingText);
  const double w = checked(c.heightOrOpeningWidth, opening, openingText);
  const double baud = read(c.baudRate);

  const double erAvg = DifferentialViaAverageEr(page_.values().SubstrateEr, anisotropy);
  const double spacingTerm = DifferentialViaSpacingTerm(s, d);
  const double openingTerm = DifferentialViaOpeningTerm(h, w, d);
  const double zOdd = DifferentialViaOddModeImpedance(erAvg, spacingTerm, openingTerm);
  page_.show(c.powerOrOddMode, "%.3f Ohms", zOdd);
  const double zDiff = Mul(2, zOdd);
  page_.show(c.crossSectionOrDifferential, "%.3f Ohms", zDiff);
  const double erEff = DifferentialViaEffectiveEr(erAvg, spacingTerm, openingTerm);
  page_.show(c.currentOrEffectiveEr, "%.3f", erEff);
  const double stub = DifferentialViaMaxStubLength(erEff, baud, metric);
  page_.show(c.resistanceOrMaxStub, metric ? "%.4f mm" : "%.2f mils", stub);
  const double loss = DifferentialViaInsertionLoss(read(c.pairImpedance), zDiff);
  page_.show(c.stepResponseOrInsertionLoss, "%.4f dB", loss);
}

}  // namespace cq
