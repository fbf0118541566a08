#include "calc/via/via_page.h"

#include <array>
#include <string>

#include "calc/via/via_defaults.h"
#include "calc/via/via_layouts.h"
#include "calc/via/via_selection_layouts.h"
#include "app/main_window.h"
#include "calc/conductor/copper_choices.h"
#include "calc/via/differential_via_solver.h"
#include "calc/via/single_via_model.h"
#include "calc/via/via_solver.h"

namespace cq {

struct ViaPage::Controls {
  Form& f;
  PageLayout selection{f, ViaSelectionLayouts(), kViaSelectionCount};
  // The fields a new layer set starts from, and the plating unit box.
  Edit& platingUnit = f.edit("Edit56");
  Edit& height = f.edit("Edit6");
  Edit& hole = f.edit("Edit3");
  Edit& plating = f.edit("Edit9");
  std::array<Control*, 3> heightRow = {&height, &f.label("Label8"), &f.edit("Edit55")};
  CheckBox& fullPlane = f.checkBox("CheckBox5");
  RadioGroup& layerSet = f.radio("RadioGroup3");
  Image& fullOpening = f.image("Image64");
  Image& ownOpenings = f.image("Image46");
  Label& ipcMode = f.label("Label187");
};

ViaPage::ViaPage(PageContext context, Temperatures& temperatures)
    : PageOf(context), temperatures_(temperatures) {}

ViaPage::~ViaPage() = default;

void ViaPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.CheckBox5Click", this, &ViaPage::CheckBox5Click);
}

void ViaPage::attach(Form& form) {
  c_.bind(form);
  attachIpcControls(form);
  solver_ = std::make_unique<ViaSolver>(page(), temperatures_);
  differential_ = std::make_unique<DifferentialViaSolver>(page());
  solver_->setDifferentialModel([this] { differential_->Solve(); });
}

void ViaPage::solve(Control*) { SolveViaProperties(); }

void ViaPage::SolveViaProperties() { solver_->SolveViaProperties(); }

const PlaneSelection* ViaPage::planeSelection() const {
  static const PlaneSelection selection{" Property Selection ",
                                        "Select between single via properties and differential via properties.",
                                        {"Via Properties", "Differential Vias"}};
  return &selection;
}

const LayoutTable* ViaPage::structureLayouts() const { return &ViaLayouts(); }

void ViaPage::afterStructureLayout(int item) {
  const bool metric = page().metric();
  c_->platingUnit.setText(metric ? "mm" : "mils");
  // A new layer set starts from its own defaults, replacing what was typed.
  if (auto defaults = ViaDefaults(item, metric, page().decimalMode())) {
    c_->height.setText(defaults->height);
    c_->hole.setText(defaults->hole);
    c_->plating.setText(defaults->plating);
  }
}

void ViaPage::showOpeningPicture() {
  const bool full = c_->fullPlane.checked();
  c_->fullOpening.setVisible(full);
  c_->ownOpenings.setVisible(!full);
}

void ViaPage::showIpcMode() {
  ShowIpcMode(c_->ipcMode, page().programOptions().ipcVersion.itemIndex());
}

void ViaPage::layOut(int item) {
  if (item == kSingleViaLayout) {
    const bool withModifiers = page().programOptions().ipcVersion.itemIndex() == kIpcWithModifiers;
    for (Control* c : c_->heightRow) c->setEnabled(withModifiers);
    c_->fullPlane.setChecked(false);
    // Laid out before the layer set moves: its solve then sees the page whole.
    c_->selection.apply(item);
    // Runs the Multi Layer layout when the item changes.
    c_->layerSet.setItemIndex(kViaMultiLayer);
  }
  if (item == kDifferentialViaLayout) {
    c_->layerSet.setItemIndex(kViaMultiLayer);
    c_->selection.apply(item);
    showOpeningPicture();
  }
}

void ViaPage::CheckBox5Click(Control* sender) {
  // The box chooses the picture only; no formula reads it.
  showOpeningPicture();
  page().solve(sender);
}

}  // namespace cq
