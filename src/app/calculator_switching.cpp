#include "app/calculator_switching.h"

#include <initializer_list>
#include <vector>

#include "app/calculator_page.h"
#include "app/calculator_table.h"
#include "app/main_window.h"
#include "app/setting_writer.h"
#include "platform/format.h"

namespace cq {

namespace {

using Id = CalculatorId;
using Group = std::vector<Control*>;

Group Bind(Form& f, std::initializer_list<const char*> names) {
  Group group;
  for (const char* n : names) group.push_back(&f.control(n));
  return group;
}

void enableAs(const Group& group, Set state) {
  if (state == Set::Keep) return;
  for (Control* c : group) c->setEnabled(state == Set::On);
}

std::vector<GroupBox*> PageBoxes(Form& f) {
  std::vector<GroupBox*> pages;
  for (const auto& c : Calculators()) pages.push_back(&f.groupBox(std::string(c.page)));
  return pages;
}

void setShown(const Group& group, bool shown) {
  for (Control* c : group) c->setVisible(shown);
}

}  // namespace

// Every control the contract touches, found when the window is built.
struct CalculatorSwitching::Controls {
  Form& f;
  TabControl& tabs = f.get<TabControl>("TabControl1");
  RadioGroup& layer = f.radio("RadioGroup3");
  RadioGroup& plane = f.radio("RadioGroup5");
  Button& solve = f.button("Button1");
  Group differentialRows = Bind(f, {"Label395", "Label397", "Label396", "Label398", "Label400", "Label403"});
  Group viaRows = Bind(f, {"Label349", "Label350"});
  Group ohmsLawRows = Bind(f, {"Label319", "Label320"});
  Group temperatureRows = Bind(f, {"Label23", "Label24", "Label26", "Label27", "Label28"});
  Label& temperatureCaption = f.label("Label23");
  Label& copperCaption = f.label("Label55");
  Label& copperThickness = f.label("Label56");
  Label& thermal = f.label("Label110");
  Label& thermalCount = f.label("Label285");
  Label& voltageDrop = f.label("Label72");
  Label& seriesCurrent = f.label("Label320");
  Label& riseTemperature = f.label("Label27");
  Label& ambientTemperature = f.label("Label28");
  Group base = Bind(f, {"RadioGroup4"});
  Group plate = Bind(f, {"RadioGroup1"});
  Group layerGroup = Bind(f, {"RadioGroup3"});
  Group planeGroup = Bind(f, {"RadioGroup5"});
  Group units = Bind(f, {"RadioGroup6"});
  Group substrate = Bind(f, {"ComboBox1"});
  Group er = Bind(f, {"Edit7", "Label36"});
  Group material = Bind(f, {"Label35"});
  Group tg = Bind(f, {"Edit66", "Label9"});
  Group rise = Bind(f, {"Edit1", "UpDown1", "Label1", "Label2"});
  Group ambient = Bind(f, {"Edit2", "UpDown2", "Label3", "Label4"});
  Group manualCopper = Bind(f, {"GroupBox31", "Edit136", "Edit137", "GroupBox32", "Edit138", "Edit139"});
  Group vias = Bind(f, {"Edit227", "UpDown6"});
  GroupBox& obsoletePage = f.groupBox(std::string(kObsoletePage));
  std::vector<GroupBox*> pages = PageBoxes(f);  // by calculator index
};

CalculatorSwitching::CalculatorSwitching(MainWindow& main) : main_(main) {}

void CalculatorSwitching::registerHandlers(HandlerRegistry& handlers) {
  for (const auto& c : Calculators()) {
    const auto id = static_cast<CalculatorId>(c.index);
    handlers.add(std::string(c.activationHandler), [this, id](Control* sender) { Activate(id, sender); });
  }
  main_.setActivation([this](CalculatorId id, Control* sender) { Activate(id, sender); });
  handlers.add("TForm1.TabControl1Change", this, &CalculatorSwitching::TabControl1Change);
}

void CalculatorSwitching::attach(Form& form) {
  c_.bind(form);
  // The description stacks every page; a start whose settings fail before
  // any activation would leave them drawn over each other. Until then the
  // window shows the page of the selected tab alone.
  showOnlyPage(Calculators()[0]);
}

void CalculatorSwitching::TabControl1Change(Control* sender) {
  for (CalculatorId k : kTabChangeOrder)
    if (c_->tabs.tabIndex() == Index(k)) {
      if (k == Id::DifferentialPairs) c_->layer.clearItems();
      Activate(k, sender);
    }
}

void CalculatorSwitching::showInformationRows(CalculatorId k) {
  setShown(c_->differentialRows, k == Id::DifferentialPairs);
  setShown(c_->viaRows, k == Id::ViaProperties);
  setShown(c_->ohmsLawRows, k == Id::OhmsLaw);
  setShown(c_->temperatureRows, k != Id::DifferentialPairs && k != Id::OhmsLaw);
  if (k != Id::OhmsLaw)
    c_->copperCaption.setCaption(k == Id::ViaProperties ? "Power Dissipation (dBm)" : "Total Copper Thickness");
  c_->temperatureCaption.setCaption(k == Id::ViaProperties ? "Via Temperature" : "Conductor Temperature");
}

void CalculatorSwitching::applyOptions(const CalculatorInfo& c) {
  const OptionsRow& o = c.options;
  enableAs(c_->base, o.base);
  enableAs(c_->plate, o.plate);
  enableAs(c_->layerGroup, o.layer);
  c_->plane.setVisible(o.planeVisible);
  enableAs(c_->planeGroup, o.plane);
  enableAs(c_->units, o.units);
  enableAs(c_->substrate, o.sub);
  enableAs(c_->er, o.er);
  enableAs(c_->material, o.mat);
  enableAs(c_->tg, o.tg);
  enableAs(c_->rise, o.rise);
  enableAs(c_->ambient, o.amb);
  // The groups with their boxes: a page that reads the typed thicknesses
  // must take them however manual copper was turned on.
  enableAs(c_->manualCopper, o.man);
  enableAs(c_->vias, o.vias);
}

void CalculatorSwitching::showOnlyPage(const CalculatorInfo& c) {
  for (const auto& other : Calculators())
    if (other.index != c.index) c_->pages[static_cast<size_t>(other.index)]->setVisible(false);
  c_->obsoletePage.setVisible(false);
  c_->pages[static_cast<size_t>(c.index)]->setVisible(true);
}

void CalculatorSwitching::refillLayerRadio(const CalculatorInfo& c, bool withTemperatureNA) {
  auto& layer = c_->layer;
  layer.clearItems();
  for (auto item : c.layer.items) layer.addItem(std::string(item));
  // Selecting in the emptied radio always runs its click handler, which solves.
  if (c.layer.selected >= 0) layer.setItemIndex(c.layer.selected);
  if (withTemperatureNA) {
    c_->riseTemperature.setCaption("N/A");
    c_->ambientTemperature.setCaption("N/A");
  }
}

const PlaneSelection* CalculatorSwitching::ownPlaneSelection(CalculatorId k) const {
  const CalculatorPage* page = main_.page(k);
  return page != nullptr ? page->planeSelection() : nullptr;
}

void CalculatorSwitching::refillPlaneRadio(CalculatorId k, bool comma) {
  auto& plane = c_->plane;
  plane.clearItems();
  if (const PlaneSelection* own = ownPlaneSelection(k)) {
    for (const std::string& item : own->items) plane.addItem(item);
  } else {
    plane.addItem(comma ? "0,5oz / 1oz" : "0.5oz / 1oz");
    plane.addItem("2oz");
  }
  plane.setItemIndex(0);
}

void CalculatorSwitching::writeProgramSetting(int k) {
  WriteSetting(main_.app().services().settings, "Program", programValue_, Format("%i", k));
}

void CalculatorSwitching::Activate(CalculatorId k, Control* sender) {
  const CalculatorInfo& c = Calculator(Index(k));

  main_.CurrentCalculator = Index(k);

  auto& plane = c_->plane;
  if (const PlaneSelection* own = ownPlaneSelection(k)) {
    plane.setCaption(std::string(own->caption));
    plane.setHint(std::string(own->hint));
  } else {
    plane.setCaption(" Plane Thickness ");
    plane.setHint("Select between a 1oz and a 2oz plane.");
  }
  showInformationRows(k);

  auto& layer = c_->layer;
  layer.setCaption(std::string(c.layer.caption));
  bool tall = k == Id::ConductorImpedance || k == Id::DifferentialPairs || k == Id::PlanarInductors;
  layer.setHeight(tall ? 169 : 81);
  layer.setTop(tall ? 336 : 424);

  CalculatorPage* page = main_.page(k);
  c_->solve.setEnabled(page == nullptr || page->solveEnabled());

  bool solverWritesCopper = k == Id::ConductorImpedance || k == Id::ConductorProperties || k == Id::DifferentialPairs || k == Id::ErEffective;
  if (!solverWritesCopper) c_->copperThickness.setCaption("N/A");
  if (k != Id::ConductorProperties && k != Id::DifferentialPairs && k != Id::ViaProperties) {
    c_->thermal.setCaption("N/A");
    c_->thermalCount.setCaption("N/A");
  }
  if (k != Id::ViaProperties) c_->voltageDrop.setCaption("N/A");
  // Only Ohm's Law shows the row; its solve may fail before it writes it.
  if (k == Id::OhmsLaw) c_->seriesCurrent.setCaption("N/A");

  applyOptions(c);
  showOnlyPage(c);
  // The page on show is stored before the solves of the refills below: one
  // that fails must not bring the previous page back at the next start. A
  // refused write is reported where it ends the activation, before its
  // final solve.
  HeldSettingFailures failures(main_.app().dialogs());
  writeProgramSetting(Index(k));
  if (k == Id::OhmsLaw) {
    c_->copperCaption.setEnabled(true);
    c_->copperThickness.setEnabled(true);
  }
  if (page != nullptr) page->activationExtras();

  c_->tabs.setTabIndex(Index(k));

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

  failures.raiseFirst();
  main_.Button1Click(sender);
}

}  // namespace cq
