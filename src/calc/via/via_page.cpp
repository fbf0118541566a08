#include "calc/via/via_page.h"

#include <string>

#include "app/program_options_controls.h"
#include "calc/via/single_via_model.h"
#include "calc/via/via_controls.h"
#include "calc/via/via_defaults.h"
#include "calc/via/via_layouts.h"
#include "calc/via/via_selection_layouts.h"

namespace cq {

ViaPage::ViaPage(PageContext context, Temperatures& temperatures)
    : PageOf(context), temperatures_(temperatures) {}

ViaPage::~ViaPage() = default;

void ViaPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.CheckBox5Click", this, &ViaPage::CheckBox5Click);
}

void ViaPage::attach(Form& form) { c_.bind(form); }

void ViaPage::solve(Control*) { SolveViaProperties(); }

void ViaPage::SolveViaProperties() { solver_.SolveViaProperties(); }

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
    c_->heightOrOpeningWidth.setText(defaults->height);
    c_->hole.setText(defaults->hole);
    c_->plating.setText(defaults->plating);
  }
}

void ViaPage::writeStartingTexts() {
  c_->hole.setText("10");
  c_->pad.setText("20");
  c_->opening.setText("40");
  c_->heightOrOpeningWidth.setText("62");
  c_->plating.setText("1");
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
