#include "calc/conductor/conductor_properties_page.h"

#include <array>
#include <string>

#include "calc/conductor/conductor_cross_section.h"
#include "calc/conductor/conductor_properties_layouts.h"
#include "calc/conductor/conductor_properties_model.h"
#include "calc/conductor/conductor_properties_solver.h"
#include "calc/conductor/copper_choices.h"
#include "platform/control_group.h"
#include "settings/etch_factor_display.h"

namespace cq {

// Looked up once, when the page attaches.
struct ConductorPropertiesPage::Controls {
  Form& f;
  RadioGroup& solveFor = f.radio("RadioGroup8");
  RadioGroup& parallel = f.radio("RadioGroup15");
  RadioGroup& planePresent = f.radio("RadioGroup2");
  RadioGroup& planeWeight = f.radio("RadioGroup5");
  CheckBox& dc = f.checkBox("CheckBox1");
  Edit& widthOrCurrent = f.edit("Edit15");
  Edit& widthOrCurrentUnit = f.edit("Edit57");
  Edit& frequency = f.edit("Edit130");
  Edit& frequencyUnit = f.edit("Edit131");
  Label& widthOrCurrentCaption = f.label("Label17");
  Label& resultCaption = f.label("Label19");
  Label& crossSectionCaption = f.label("Label18");
  Label& ipcMode = f.label("Label243");
  std::array<Control*, 3> etchNote = {&f.label("Label339"), &f.label("Label340"), &f.control("BitBtn2")};
  std::array<Control*, 2> count = {&f.label("Label236"), &f.edit("Edit128")};
  std::array<Control*, 3> plane = {&f.edit("Edit132"), &f.edit("Edit133"), &f.label("Label37")};
  std::array<Control*, 4> skinDepth = {&f.edit("Edit129"), &f.edit("Edit134"), &f.label("Label237"), &f.label("Label239")};
  // The etch factor's pictures, items "1:1", "2:1" and "None".
  EtchFactorPage etchFactor{f, "Label126", {"Image68", "Image73", "Image69"}};
};

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

void ConductorPropertiesPage::solve(Control* sender) { solver_->SolveConductorProperties(sender); }

const LayoutTable* ConductorPropertiesPage::structureLayouts() const { return &ConductorPropertiesLayouts(); }

void ConductorPropertiesPage::afterStructureLayout(int) { crossSection_->show(); }

void ConductorPropertiesPage::attach(Form& form) {
  c_.bind(form);
  attachIpcControls(form);
  solver_ = std::make_unique<ConductorPropertiesSolver>(page(), temperatures_);
  crossSection_ = std::make_unique<ConductorCrossSection>(form);
}

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
  crossSection_->show();
  const int parallel = c_->parallel.itemIndex();
  if (parallel == kNo) {
    SetVisible(c_->count, false);
    c_->crossSectionCaption.setCaption("Conductor Cross Section");
  } else if (parallel == kYes) {
    SetVisible(c_->count, true);
    c_->crossSectionCaption.setCaption("Total Cross Section");
  }
  page().solve(sender);
}

void ConductorPropertiesPage::RadioGroup2Click(Control* sender) {
  crossSection_->show();
  const int plane = c_->planePresent.itemIndex();
  if (plane == kNo) {
    SetVisible(c_->plane, false);
    c_->planeWeight.setEnabled(false);
  } else if (plane == kYes) {
    SetVisible(c_->plane, true);
    c_->planeWeight.setEnabled(true);
  }
  page().solve(sender);
}

void ConductorPropertiesPage::CheckBox1Click(Control* sender) {
  const bool dc = c_->dc.checked();
  SetVisible(c_->skinDepth, !dc);
  // The frequency typed before is not restored.
  c_->frequency.setText(dc ? "DC" : "1");
  c_->frequency.setEnabled(!dc);
  c_->frequencyUnit.setText(dc ? "" : "MHz");
  c_->frequencyUnit.setEnabled(!dc);
  // Ticking does not solve: the results other than the skin depth stay.
  if (!dc) page().solve(sender);
}

}  // namespace cq
