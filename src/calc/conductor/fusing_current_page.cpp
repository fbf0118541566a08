#include "calc/conductor/fusing_current_page.h"

#include "app/input_check.h"
#include "app/working_values.h"
#include "calc/conductor/conductor_properties_model.h"
#include "calc/conductor/copper_choices.h"
#include "calc/conductor/cross_section_text.h"
#include "calc/conductor/fusing_current_model.h"
#include "calc/conductor/total_copper_text.h"
#include "platform/checked_math.h"
#include "platform/format.h"
#include "platform/numbers.h"
#include "platform/unit_factors.h"
#include "settings/etch_factor_display.h"

namespace cq {

// Bound once, when the window is built.
struct FusingCurrentPage::Controls {
  Form& f;
  CopperControls copper{f};
  Edit& width = f.edit("Edit140");
  Edit& time = f.edit("Edit153");
  Edit& multiplier = f.edit("Edit337");
  Edit& crossSection = f.edit("Edit159");
  Edit& current = f.edit("Edit160");
  Label& circularCaption = f.label("Label124");
  Label& circularMils = f.label("Label158");
  Label& meltingTemp = f.label("Label355");
  Label& totalCopper = f.label("Label56");
  // The etch factor's pictures, items "1:1", "2:1" and "None".
  EtchFactorPage etchFactor{f, "Label380", {"Image74", "Image76", "Image75"}};
};

void FusingCurrentPage::solve(Control* /*sender*/) { SolveFusingCurrent(); }

void FusingCurrentPage::activationExtras() { showEtchFactor(); }

void FusingCurrentPage::attach(Form& form) { c_.bind(form); }

void FusingCurrentPage::etchFactorChanged(int item) { c_->etchFactor.show(item); }

void FusingCurrentPage::showEtchFactor() {
  c_->etchFactor.show(page().programOptions().etchFactor.itemIndex());
}

void FusingCurrentPage::SolveFusingCurrent() {
  auto& v = page().values();
  const bool metric = page().metric();
  const ProgramOptionsControls& options = page().programOptions();

  // The plating always counts: a fusing conductor is taken as bare copper
  // on the outside, whatever the layer radio says.
  CopperWeightThickness(CopperSelectionOf(c_->copper, options), v.BaseCopperThickness, v.PlatingThickness);
  c_->meltingTemp.setCaption(page().decimalComma() ? "1084,62°C" : "1084.62°C");
  v.TotalCopperThickness = Add(v.PlatingThickness, v.BaseCopperThickness);
  ShowTotalCopper(page(), c_->totalCopper, v.TotalCopperThickness, metric, UmOverflow::Raises, "%4.0f um");
  v.ConductorWidth = ParseLocaleFloat(c_->width.text());

  // Both are parsed again after their check: a correction counts at once.
  const double seconds =
      CheckInput(page(), c_->time, {[](double t) { return t <= 0; }, "Fuse time can't be less than or equal to 0", "1"});
  const double multiplier =
      CheckInput(page(), c_->multiplier, {[](double m) { return m < 1; }, "Multiplier can't be less than 1", "1"});

  // One conductor; an etch item outside the radio leaves the previous area.
  if (auto area = EtchedCrossSection(options.etchFactor.itemIndex(), v.ConductorWidth, v.TotalCopperThickness, false, 1))
    v.CrossSectionArea = *area;
  page().showFormatted(c_->crossSection, CrossSectionText(v.CrossSectionArea, metric));

  const double squareMils = metric ? Mul(v.CrossSectionArea, kSqMilsPerSqMmFull) : v.CrossSectionArea;
  const double amps = OnderdonkFusingCurrent(squareMils, v.AmbientTemp, seconds, multiplier);
  page().show(c_->current, "%.4f Amps", amps);

  c_->circularCaption.setCaption("Cross section in circular mils:");
  // Circular mils in both unit systems.
  page().show(c_->circularMils, "%.2f mils", CircularMils(squareMils));
}

}  // namespace cq
