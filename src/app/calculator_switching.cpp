#include "app/calculator_switching.h"

#include <initializer_list>

#include "app/calculator_page.h"
#include "app/calculator_table.h"
#include "app/main_window.h"
#include "app/setting_writer.h"
#include "platform/format.h"

namespace cq {

namespace {

using Id = CalculatorId;

void apply(Form& f, std::initializer_list<const char*> names, Set state) {
  if (state == Set::Keep) return;
  for (const char* n : names) f.control(n).setEnabled(state == Set::On);
}

void setShown(Form& f, std::initializer_list<const char*> names, bool shown) {
  for (const char* n : names) f.control(n).setVisible(shown);
}

}  // namespace

void CalculatorSwitching::registerHandlers(HandlerRegistry& handlers) {
  for (const auto& c : Calculators()) {
    const auto id = static_cast<CalculatorId>(c.index);
    handlers.add(std::string(c.activationHandler), [this, id](Control* sender) { Activate(id, sender); });
  }
  main_.setActivation([this](CalculatorId id, Control* sender) { Activate(id, sender); });
  handlers.add("TForm1.TabControl1Change", [this](Control* sender) { TabControl1Change(sender); });
}

void CalculatorSwitching::attach(Form& form) {
  form_ = &form;
  // Every name the contract touches must exist before the first activation.
  for (const auto& c : Calculators()) form.groupBox(std::string(c.page));
  form.groupBox(std::string(kObsoletePage));
}

void CalculatorSwitching::TabControl1Change(Control* sender) {
  auto& tabs = form_->get<TabControl>("TabControl1");
  for (CalculatorId k : kTabChangeOrder)
    if (tabs.tabIndex() == Index(k)) {
      if (k == Id::DifferentialPairs) form_->radio("RadioGroup3").clearItems();
      Activate(k, sender);
    }
}

void CalculatorSwitching::showInformationRows(CalculatorId k) {
  Form& f = *form_;
  setShown(f, {"Label395", "Label397", "Label396", "Label398", "Label400", "Label403"}, k == Id::DifferentialPairs);
  setShown(f, {"Label349", "Label350"}, k == Id::ViaProperties);
  setShown(f, {"Label319", "Label320"}, k == Id::OhmsLaw);
  setShown(f, {"Label23", "Label24", "Label26", "Label27", "Label28"}, k != Id::DifferentialPairs && k != Id::OhmsLaw);
  if (k != Id::OhmsLaw) f.label("Label55").setCaption(k == Id::ViaProperties ? "Power Dissipation (dBm)" : "Total Copper Thickness");
  f.label("Label23").setCaption(k == Id::ViaProperties ? "Via Temperature" : "Conductor Temperature");
}

void CalculatorSwitching::applyOptions(const CalculatorInfo& c) {
  Form& f = *form_;
  const OptionsRow& o = c.options;
  apply(f, {"RadioGroup4"}, o.base);
  apply(f, {"RadioGroup1"}, o.plate);
  apply(f, {"RadioGroup3"}, o.layer);
  auto& plane = f.radio("RadioGroup5");
  plane.setVisible(o.planeVisible);
  apply(f, {"RadioGroup5"}, o.plane);
  apply(f, {"RadioGroup6"}, o.units);
  apply(f, {"ComboBox1"}, o.sub);
  apply(f, {"Edit7", "Label36"}, o.er);
  apply(f, {"Label35"}, o.mat);
  apply(f, {"Edit66", "Label9"}, o.tg);
  apply(f, {"Edit1", "UpDown1", "Label1", "Label2"}, o.rise);
  apply(f, {"Edit2", "UpDown2", "Label3", "Label4"}, o.amb);
  // The groups with their boxes: a page that reads the typed thicknesses
  // must take them however manual copper was turned on.
  apply(f, {"GroupBox31", "Edit136", "Edit137", "GroupBox32", "Edit138", "Edit139"}, o.man);
  apply(f, {"Edit227", "UpDown6"}, o.vias);
}

void CalculatorSwitching::showOnlyPage(const CalculatorInfo& c) {
  for (const auto& other : Calculators())
    if (other.index != c.index) form_->control(std::string(other.page)).setVisible(false);
  form_->control(std::string(kObsoletePage)).setVisible(false);
  form_->control(std::string(c.page)).setVisible(true);
}

void CalculatorSwitching::refillLayerRadio(const CalculatorInfo& c, bool withTemperatureNA) {
  auto& layer = form_->radio("RadioGroup3");
  layer.clearItems();
  for (auto item : c.layer.items) layer.addItem(std::string(item));
  // Selecting in the emptied radio always runs its click handler, which solves.
  if (c.layer.selected >= 0) layer.setItemIndex(c.layer.selected);
  if (withTemperatureNA) {
    form_->label("Label27").setCaption("N/A");
    form_->label("Label28").setCaption("N/A");
  }
}

void CalculatorSwitching::refillPlaneRadio(CalculatorId k, bool comma) {
  auto& plane = form_->radio("RadioGroup5");
  plane.clearItems();
  if (k == Id::ViaProperties) {
    plane.addItem("Via Properties");
    plane.addItem("Differential Vias");
  } else {
    plane.addItem(comma ? "0,5oz / 1oz" : "0.5oz / 1oz");
    plane.addItem("2oz");
  }
  plane.setItemIndex(0);
}

void CalculatorSwitching::writeProgramSetting(int k) {
  // A key that did not open makes this write fail with the registry error,
  // which ends the activation before its final solve.
  WriteSetting(main_.app().services().settings, "Program", programValue_, Format("%i", k));
}

void CalculatorSwitching::Activate(CalculatorId k, Control* sender) {
  Form& f = *form_;
  const CalculatorInfo& c = Calculator(Index(k));

  main_.CurrentCalculator = Index(k);

  auto& plane = f.radio("RadioGroup5");
  if (k == Id::ViaProperties) {
    plane.setCaption(" Property Selection ");
    plane.setHint("Select between single via properties and differential via properties.");
  } else {
    plane.setCaption(" Plane Thickness ");
    plane.setHint("Select between a 1oz and a 2oz plane.");
  }
  showInformationRows(k);

  auto& layer = f.radio("RadioGroup3");
  layer.setCaption(std::string(c.layer.caption));
  bool tall = k == Id::ConductorImpedance || k == Id::DifferentialPairs || k == Id::PlanarInductors;
  layer.setHeight(tall ? 169 : 81);
  layer.setTop(tall ? 336 : 424);

  CalculatorPage* page = main_.page(k);
  f.button("Button1").setEnabled(page == nullptr || page->solveEnabled());

  bool solverWritesCopper = k == Id::ConductorImpedance || k == Id::ConductorProperties || k == Id::DifferentialPairs || k == Id::ErEffective;
  if (!solverWritesCopper) f.label("Label56").setCaption("N/A");
  if (k != Id::ConductorProperties && k != Id::DifferentialPairs && k != Id::ViaProperties) {
    f.label("Label110").setCaption("N/A");
    f.label("Label285").setCaption("N/A");
  }
  if (k != Id::ViaProperties) f.label("Label72").setCaption("N/A");

  applyOptions(c);
  showOnlyPage(c);
  if (k == Id::OhmsLaw) {
    f.label("Label55").setEnabled(true);
    f.label("Label56").setEnabled(true);
  }
  if (page != nullptr) page->activationExtras();

  f.get<TabControl>("TabControl1").setTabIndex(Index(k));

  bool temperatureNA = k != Id::ConductorProperties && k != Id::Conversion && k != Id::ViaProperties;
  if (k != Id::Conversion) {
    refillLayerRadio(c, temperatureNA);
    refillPlaneRadio(k, false);
  }
  bool comma = main_.decimalComma();
  if (comma && k != Id::Conversion && k != Id::DifferentialPairs && k != Id::ViaProperties) {
    if (k == Id::Bandwidth || k == Id::ConductorProperties || k == Id::Mechanical || k == Id::MinSpacing || k == Id::Padstack) refillLayerRadio(c, k != Id::ConductorProperties);
    refillPlaneRadio(k, true);
  }

  writeProgramSetting(Index(k));
  main_.Button1Click(sender);
}

}  // namespace cq
