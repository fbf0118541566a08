#include "calc/conductor/conductor_properties_page.h"

#include <string>

#include "calc/conductor/conductor_properties_controls.h"
#include "calc/conductor/conductor_properties_layouts.h"
#include "calc/conductor/conductor_properties_model.h"
#include "calc/conductor/copper_choices.h"
#include "platform/control_group.h"
#include "settings/etch_factor_display.h"

namespace cq {

namespace {
constexpr int kAmperage = 0;
constexpr int kConductorWidth = 1;
constexpr int kNo = 0;
constexpr int kYes = 1;

}  // namespace

ConductorPropertiesPage::ConductorPropertiesPage(PageContext context, Temperatures& temperatures)
    : PageOf(context), temperatures_(temperatures) {}

ConductorPropertiesPage::~ConductorPropertiesPage() = default;

void ConductorPropertiesPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup8Click", this, &ConductorPropertiesPage::RadioGroup8Click);
  handlers.add("TForm1.RadioGroup15Click", this, &ConductorPropertiesPage::RadioGroup15Click);
  handlers.add("TForm1.RadioGroup2Click", this, &ConductorPropertiesPage::RadioGroup2Click);
  handlers.add("TForm1.CheckBox1Click", this, &ConductorPropertiesPage::CheckBox1Click);
}

void ConductorPropertiesPage::solve(Control* sender) { solver_.SolveConductorProperties(sender); }

const LayoutTable* ConductorPropertiesPage::structureLayouts() const { return &ConductorPropertiesLayouts(); }

void ConductorPropertiesPage::afterStructureLayout(int) { c_->crossSectionPicture.show(); }

void ConductorPropertiesPage::attach(Form& form) { c_.bind(form); }

void ConductorPropertiesPage::activationExtras() {
  const ProgramOptionsControls& options = page().programOptions();
  ShowIpcMode(c_->ipcMode, options.ipcVersion.itemIndex());
  c_->etchFactor.show(options.etchFactor.itemIndex());
  const int plane = c_->planePresent.itemIndex();
  if (plane == kNo) c_->planeWeight.setEnabled(false);
  if (plane == kYes) c_->planeWeight.setEnabled(true);
}

void ConductorPropertiesPage::etchFactorChanged(int item) { c_->etchFactor.show(item); }

void ConductorPropertiesPage::swap_current_width_labels(Control* sender) {
  const int solveFor = c_->solveFor.itemIndex();
  const int units = page().unitsIndex();
  Edit& unit = c_->widthOrCurrentUnit;
  if (solveFor == kAmperage && (units == 0 || units == 1)) {
    c_->resultCaption.setCaption("Conductor Current");
    c_->widthOrCurrentCaption.setCaption("Conductor Width");
    c_->widthOrCurrent.setHint("Enter the width of the conductor.");
    unit.setText(units == 1 ? "mm" : "mils");
    unit.setLeft(508);
    unit.setWidth(41);
    SetVisible(c_->etchNote, false);
  } else if (solveFor == kConductorWidth) {
    c_->resultCaption.setCaption("Conductor Width");
    c_->widthOrCurrentCaption.setCaption("Conductor Current");
    c_->widthOrCurrent.setHint("Enter the desired amperage of the conductor.");
    unit.setText("Amps");
    unit.setLeft(493);
    unit.setWidth(50);
    SetVisible(c_->etchNote, true);
  }
  // The number in Edit15 stays: a width becomes a current and the reverse.
  page().solve(sender);
}

void ConductorPropertiesPage::RadioGroup8Click(Control* sender) {
  swap_current_width_labels(sender);
  RadioGroup& etch = page().programOptions().etchFactor;
  const int solveFor = c_->solveFor.itemIndex();
  if (solveFor == kAmperage) {
    etch.setEnabled(true);
  } else if (solveFor == kConductorWidth) {
    // The width is area over thickness only without an etch factor; the
    // etch radio's own click stores "None" and solves again.
    etch.setItemIndex(kEtchNone);
    etch.setEnabled(false);
    page().dialogs().showInfo("Solving for conductor width only works with etch factor set to none");
  }
}

void ConductorPropertiesPage::RadioGroup15Click(Control* sender) {
  c_->crossSectionPicture.show();
  const int parallel = c_->parallel.itemIndex();
  if (parallel == kNo) {
    SetVisible(c_->countRow, false);
    c_->crossSectionCaption.setCaption("Conductor Cross Section");
  } else if (parallel == kYes) {
    SetVisible(c_->countRow, true);
    c_->crossSectionCaption.setCaption("Total Cross Section");
  }
  page().solve(sender);
}

void ConductorPropertiesPage::RadioGroup2Click(Control* sender) {
  c_->crossSectionPicture.show();
  const int plane = c_->planePresent.itemIndex();
  if (plane == kNo) {
    SetVisible(c_->planeRow, false);
    c_->planeWeight.setEnabled(false);
  } else if (plane == kYes) {
    SetVisible(c_->planeRow, true);
    c_->planeWeight.setEnabled(true);
  }
  page().solve(sender);
}

void ConductorPropertiesPage::CheckBox1Click(Control* sender) {
  const bool dc = c_->dc.checked();
  SetVisible(c_->skinDepthRow, !dc);
  // The frequency typed before is not restored.
  c_->frequency.setText(dc ? "DC" : "1");
  c_->frequency.setEnabled(!dc);
  c_->frequencyUnit.setText(dc ? "" : "MHz");
  c_->frequencyUnit.setEnabled(!dc);
  // Ticking does not solve: the results other than the skin depth stay.
  if (!dc) page().solve(sender);
}

}  // namespace cq
