#include "calc/electrical/planar_inductors_page.h"

#include "calc/electrical/planar_inductor_layouts.h"
#include "calc/electrical/planar_inductor_model.h"
#include "platform/unit_factors.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

// Bound once, when the window is built.
struct PlanarInductorsPage::Controls {
  Form& f;
  RadioGroup& shape = f.radio("RadioGroup3");
  Edit& turns = f.edit("Edit88");
  Edit& width = f.edit("Edit89");
  Edit& spacing = f.edit("Edit91");
  Edit& outer = f.edit("Edit92");
  Edit& inner = f.edit("Edit94");
  Edit& fill = f.edit("Edit93");
  Edit& inductance = f.edit("Edit90");
};

void PlanarInductorsPage::solve(Control* sender) { SolvePlanarInductors(sender); }

const LayoutTable* PlanarInductorsPage::structureLayouts() const { return &InductorLayouts(); }

void PlanarInductorsPage::attach(Form& form) { c_.bind(form); }

void PlanarInductorsPage::SolvePlanarInductors(Control* /*sender*/) {
  // Without a shape item there are no coefficients to compute with.
  const auto shape = InductorShapeCoefficients(c_->shape.itemIndex());
  if (!shape) return;
  const double turns = NormalizeDecimalInput(c_->turns.text());
  double width = NormalizeDecimalInput(c_->width.text());
  double spacing = NormalizeDecimalInput(c_->spacing.text());
  double outer = NormalizeDecimalInput(c_->outer.text());
  const bool metric = page().metric();
  if (!metric) {
    width = Mul(width, kUmPerMil);
    spacing = Mul(spacing, kUmPerMil);
    outer = Mul(outer, kUmPerMil);
  }
  const double inner = InnerDiameter(turns, width, spacing, outer);
  if (inner <= 0) page().dialogs().showInfo("Inner diameter too small");
  page().show(c_->inner, "%.3f", metric ? inner : inner / kUmPerMil);
  const double fill = FillFactor(outer, inner);
  page().show(c_->fill, "%.4f", fill);
  page().show(c_->inductance, "%.4f", PlanarInductance(*shape, turns, outer, inner, fill));
}

}  // namespace cq
