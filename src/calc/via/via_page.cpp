#include "calc/via/via_page.h"

#include <string>

#include "calc/via/via_defaults.h"
#include "calc/via/via_layouts.h"
#include "app/main_window.h"
#include "calc/conductor/copper_choices.h"
#include "calc/via/differential_via_solver.h"
#include "calc/via/single_via_model.h"
#include "calc/via/via_solver.h"
#include "settings/ipc_version_effects.h"

namespace cq {

namespace {
constexpr int kSingleViaLayout = 0;
constexpr int kDifferentialViaLayout = 1;
}  // namespace

// The fields a new layer set starts from, and the plating unit box.
struct ViaPage::LayerSetFields {
  explicit LayerSetFields(Form& f)
      : platingUnit(f.edit("Edit56")), height(f.edit("Edit6")), hole(f.edit("Edit3")), plating(f.edit("Edit9")) {}
  Edit& platingUnit;
  Edit& height;
  Edit& hole;
  Edit& plating;
};

ViaPage::ViaPage(PageContext context, Temperatures& temperatures)
    : CalculatorPage(context), main_(context.main()), temperatures_(temperatures) {}

ViaPage::~ViaPage() = default;

void ViaPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.CheckBox5Click", [this](Control* sender) { CheckBox5Click(sender); });
}

void ViaPage::attach(Form& form) {
  form_ = &form;
  layerSet_ = std::make_unique<LayerSetFields>(form);
  solver_ = std::make_unique<ViaSolver>(main_, temperatures_);
  differential_ = std::make_unique<DifferentialViaSolver>(main_);
  solver_->setDifferentialModel([this] { differential_->Solve(); });
}

void ViaPage::solve(Control*) { SolveViaProperties(); }

void ViaPage::SolveViaProperties() { solver_->SolveViaProperties(); }

const LayoutTable* ViaPage::structureLayouts() const { return &ViaLayouts(); }

void ViaPage::afterStructureLayout(int item) {
  const bool metric = page().metric();
  layerSet_->platingUnit.setText(metric ? "mm" : "mils");
  // A new layer set starts from its own defaults, replacing what was typed.
  if (auto defaults = ViaDefaults(item, metric, page().main().decimalModeLabel().caption())) {
    layerSet_->height.setText(defaults->height);
    layerSet_->hole.setText(defaults->hole);
    layerSet_->plating.setText(defaults->plating);
  }
}

void ViaPage::show(std::initializer_list<const char*> names, bool shown) {
  for (const char* n : names) form_->control(n).setVisible(shown);
}

void ViaPage::enable(std::initializer_list<const char*> names, bool enabled) {
  for (const char* n : names) form_->control(n).setEnabled(enabled);
}

void ViaPage::hint(const char* name, const char* text) { form_->control(name).setHint(text); }

void ViaPage::caption(const char* name, const char* text) { form_->label(name).setCaption(text); }

void ViaPage::showOpeningPicture() {
  const bool full = form_->checkBox("CheckBox5").checked();
  show({"Image64"}, full);
  show({"Image46"}, !full);
}

void ViaPage::showIpcMode() {
  const int mode = ProgramOptionsForm(main_.app()).radio("RadioGroup1").itemIndex();
  if (auto text = IpcModeText(mode); !text.empty()) form_->label("Label187").setCaption(std::string(text));
}

void ViaPage::layOut(int item) {
  if (item == kSingleViaLayout) singleViaLayout();
  if (item == kDifferentialViaLayout) differentialViaLayout();
}

void ViaPage::singleViaLayout() {
  Form& f = *form_;
  const bool withModifiers = ProgramOptionsForm(main_.app()).radio("RadioGroup1").itemIndex() == kIpcWithModifiers;
  enable({"Edit6", "Label8", "Edit55"}, withModifiers);

  auto& fullPlane = f.checkBox("CheckBox5");
  fullPlane.setVisible(false);
  fullPlane.setChecked(false);

  caption("Label5", "Via Hole Diameter");
  hint("Edit3", "Enter the finished hole diameter of the via.");
  enable({"Label350", "Label349", "Label55", "Label56", "Edit1", "Edit2"}, true);
  show({"Edit335"}, false);
  show({"Edit9", "Edit56"}, true);
  show({"Edit336"}, false);
  enable({"GroupBox3", "GroupBox4"}, true);
  show({"Image7"}, true);
  show({"Image2", "Image20", "Label159", "Label160", "Label161", "Label164", "Image46", "Image64", "Image65"}, false);

  auto& layerSet = f.radio("RadioGroup3");
  layerSet.setEnabled(true);
  // Runs the Multi Layer layout when the item changes.
  layerSet.setItemIndex(kViaMultiLayer);

  show({"Label187", "Edit11", "Edit12", "Edit42", "Edit49", "Edit14", "Edit13", "Edit50", "Label13", "Label14",
        "Label42", "Label83", "Label16", "Label15", "Label84"},
       true);
  show({"Label102", "Edit206", "Edit208", "Edit209", "Edit210", "Label105"}, false);
  show({"Label6", "Edit4", "Edit53"}, true);
  enable({"Label106", "Label110", "Label284", "Edit227", "UpDown6", "Label285", "Label41", "Label72"}, true);
  show({"Label383", "Edit386", "Edit387"}, false);

  hint("Edit5", "Enter the internal reference plane opening diameter of the via.");
  hint("Edit6", "Enter the length of the via.");
  caption("Label7", "Ref Plane Opening Diam");
  caption("Label83", "Via DC Resistance");
  caption("Label84", "Power Dissipation");
  hint("Edit49", "Via DC resistance in Ohms.");
  caption("Label10", "Conductor Cross Section");
  caption("Label12", "Via Current");
  hint("Edit8", "Approximated equivilent conductor cross section of via.");
  hint("Edit10", "Approximated current that will cause given temprise in via body.");
  hint("Edit50", "Via power dissipation in Watts.");
  caption("Label8", "Via Height");
  caption("Label11", "Via Plating Thickness");
  caption("Label15", "Step Response");
  hint("Edit13", "T10-90% step response. Impact on the rise time of a 50 Ohm transmission line.");
  show({"BitBtn7", "BitBtn9", "BitBtn10"}, false);
}

void ViaPage::CheckBox5Click(Control* sender) {
  // The box chooses the picture only; no formula reads it.
  showOpeningPicture();
  main_.Button1Click(sender);
}

}  // namespace cq
