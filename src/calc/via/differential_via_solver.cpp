#include "calc/via/differential_via_solver.h"

#include "app/input_check.h"
#include "app/main_window.h"
#include "calc/via/differential_via_checks.h"
#include "calc/via/differential_via_model.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

DifferentialViaSolver::DifferentialViaSolver(MainWindow& main)
    : main_(main),
      units_(main.form().radio("RadioGroup6")),
      hole_(main.form().edit("Edit3")),
      openingHeight_(main.form().edit("Edit5")),
      openingWidth_(main.form().edit("Edit6")),
      spacing_(main.form().edit("Edit335")),
      anisotropy_(main.form().edit("Edit206")),
      baudRate_(main.form().edit("Edit209")),
      pairImpedance_(main.form().edit("Edit386")),
      oddMode_(main.form().edit("Edit50")),
      differential_(main.form().edit("Edit8")),
      effectiveEr_(main.form().edit("Edit10")),
      maxStub_(main.form().edit("Edit49")),
      insertionLoss_(main.form().edit("Edit13")) {}

double DifferentialViaSolver::read(const Edit& edit) const { return ParseLocaleFloat(edit.text()); }

void DifferentialViaSolver::write(Edit& field, const std::string& text) { field.setText(main_.localize(text)); }

void DifferentialViaSolver::Solve() {
  const bool metric = units_.itemIndex() == 1;
  const double d = read(hole_);
  const double anisotropy = read(anisotropy_);
  const PageContext page(main_);
  const std::string spacingText = DifferentialViaSpacingText(d, metric);
  const double s = *CheckInput(page, spacing_, DifferentialViaSpacingRule(d, spacingText));
  const std::string openingText = DifferentialViaOpeningText(d, metric);
  const InputRule opening = DifferentialViaOpeningRule(d, openingText);
  const double h = *CheckInput(page, openingHeight_, opening);
  const double w = *CheckInput(page, openingWidth_, opening);
  const double baud = read(baudRate_);

  const double erAvg = DifferentialViaAverageEr(main_.values.SubstrateEr, anisotropy);
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
