#include "calc/electrical/planar_inductors_page.h"

#include "calc/electrical/planar_inductor_layouts.h"
#include "calc/electrical/planar_inductor_model.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {
constexpr int kMetric = 1;
}  // namespace

void PlanarInductorsPage::registerHandlers(HandlerRegistry& /*handlers*/) {
}

void PlanarInductorsPage::solve(Control* sender) { SolvePlanarInductors(sender); }

const LayoutTable* PlanarInductorsPage::structureLayouts() const { return &InductorLayouts(); }

void PlanarInductorsPage::attach(Form& form) {
  shape_ = &form.radio("RadioGroup3");
  units_ = &form.radio("RadioGroup6");
  turns_ = &form.edit("Edit88");
  width_ = &form.edit("Edit89");
  spacing_ = &form.edit("Edit91");
  outer_ = &form.edit("Edit92");
  inner_ = &form.edit("Edit94");
  fill_ = &form.edit("Edit93");
  inductance_ = &form.edit("Edit90");
}

void PlanarInductorsPage::write(Edit& output, const char* format, double value) {
  output.setText(page().localize(Format(format, value)));
}

void PlanarInductorsPage::SolvePlanarInductors(Control* /*sender*/) {
  // Without a shape item there are no coefficients to compute with.
  const auto shape = InductorShapeCoefficients(shape_->itemIndex());
  if (!shape) return;
  const double turns = NormalizeDecimalInput(turns_->text());
  double width = NormalizeDecimalInput(width_->text());
  double spacing = NormalizeDecimalInput(spacing_->text());
  double outer = NormalizeDecimalInput(outer_->text());
  const bool metric = units_->itemIndex() == kMetric;
  if (!metric) {
    width = Mul(width, kMicrometresPerMil);
    spacing = Mul(spacing, kMicrometresPerMil);
    outer = Mul(outer, kMicrometresPerMil);
  }
  const double inner = InnerDiameter(turns, width, spacing, outer);
  if (inner <= 0) page().dialogs().showInfo("Inner diameter too small");
  write(*inner_, "%.3f", metric ? inner : inner / kMicrometresPerMil);
  const double fill = FillFactor(outer, inner);
  write(*fill_, "%.4f", fill);
  write(*inductance_, "%.4f", PlanarInductance(*shape, turns, outer, inner, fill));
}

}  // namespace cq
