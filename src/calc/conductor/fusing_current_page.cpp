#include "calc/conductor/fusing_current_page.h"

#include "app/input_check.h"
#include "app/working_values.h"
#include "calc/conductor/conductor_properties_model.h"
#include "calc/conductor/copper_choices.h"
#include "calc/conductor/cross_section_text.h"
#include "calc/conductor/fusing_current_model.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

void FusingCurrentPage::registerHandlers(HandlerRegistry&) {
}

void FusingCurrentPage::solve(Control* /*sender*/) { SolveFusingCurrent(); }

void FusingCurrentPage::activationExtras() { showEtchFactor(); }

void FusingCurrentPage::attach(Form& form) {
  copper_.emplace(form);
  units_ = &form.radio("RadioGroup6");
  width_ = &form.edit("Edit140");
  time_ = &form.edit("Edit153");
  multiplier_ = &form.edit("Edit337");
  crossSection_ = &form.edit("Edit159");
  current_ = &form.edit("Edit160");
  circularCaption_ = &form.label("Label124");
  circularMils_ = &form.label("Label158");
  meltingTemp_ = &form.label("Label355");
  totalCopper_ = &form.label("Label56");
  etchFactor_.emplace(EtchFactorPage::fusing(form));
}

void FusingCurrentPage::showEtchFactor() {
  etchFactor_->show(page().programOptions().etchFactor.itemIndex());
}

void FusingCurrentPage::SolveFusingCurrent() {
  auto& v = page().values();
  const bool metric = units_->itemIndex() == 1;
  const ProgramOptionsControls& options = page().programOptions();

  // The plating always counts: a fusing conductor is taken as bare copper
  // on the outside, whatever the layer radio says.
  CopperWeightThickness(CopperSelectionOf(*copper_, options), v.BaseCopperThickness, v.PlatingThickness);
  meltingTemp_->setCaption(page().decimalComma() ? "1084,62°C" : "1084.62°C");
  v.TotalCopperThickness = Add(v.PlatingThickness, v.BaseCopperThickness);
  totalCopper_->setCaption(page().localize(metric ? Format("%4.0f um", Mul(v.TotalCopperThickness, 1000))
                                                 : Format("%.2f mils", v.TotalCopperThickness)));
  v.ConductorWidth = ParseLocaleFloat(width_->text());

  // Both are parsed again after their check: a correction counts at once.
  const double seconds =
      *CheckInput(page(), *time_, {[](double t) { return t <= 0; }, "Fuse time can't be less than or equal to 0", "1"});
  const double multiplier =
      *CheckInput(page(), *multiplier_, {[](double m) { return m < 1; }, "Multiplier can't be less than 1", "1"});

  // One conductor; an etch item outside the radio leaves the previous area.
  if (auto area = EtchedCrossSection(options.etchFactor.itemIndex(), v.ConductorWidth, v.TotalCopperThickness, false, 1))
    v.CrossSectionArea = *area;
  crossSection_->setText(page().localize(CrossSectionText(v.CrossSectionArea, metric)));

  const double squareMils = metric ? Mul(v.CrossSectionArea, kSquareMmToSquareMils) : v.CrossSectionArea;
  const double amps = OnderdonkFusingCurrent(squareMils, v.AmbientTemp, seconds, multiplier);
  current_->setText(page().localize(Format("%.4f Amps", amps)));

  circularCaption_->setCaption("Cross section in circular mils:");
  // Circular mils in both unit systems.
  circularMils_->setCaption(page().localize(Format("%.2f mils", CircularMils(squareMils))));
}

}  // namespace cq
