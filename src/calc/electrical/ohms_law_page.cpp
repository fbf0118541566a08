#include "calc/electrical/ohms_law_page.h"

#include <array>
#include <string>

#include "calc/electrical/ohms_law_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {

// What the Solve For radio writes into the panel, one row per item.
struct EirLabels {
  const char* first;   // Label307 and its unit box Edit248
  const char* second;  // Label308, Edit247
  const char* result;  // Label306, Edit249
  const char* firstHint;
  const char* secondHint;
  const char* resultHint;
  int resultUnitLeft;
};

constexpr std::array<EirLabels, 3> kEirLabels = {{
    {"Amps", "Ohms", "Volts", "Enter the amperage.", "Enter the resistance.", "Calculated voltage based on inputs.", 492},
    {"Volts", "Ohms", "Amps", "Enter the voltage.", "Enter the resistance.", "Calculated amperage based on inputs.", 486},
    {"Volts", "Amps", "Ohms", "Enter the voltage.", "Enter the amperage.", "Calculated resistance based on inputs.", 486},
}};
constexpr int kInputUnitLeft = 486;

constexpr std::array<const char*, 9> kTabPanels = {"Panel17", "Panel15", "Panel22", "Panel20", "Panel21",
                                                   "Panel25", "Panel27", "Panel29", "Panel31"};

constexpr const char* kResistanceTotal = "Total Resistance";

const char* TotalCaption(int tab) {
  const char* reactive = OhmsLawReactiveTabs::totalCaption(tab);
  return reactive ? reactive : kResistanceTotal;
}

// The page's two parts, as the solve of a tab reaches them.
struct TabParts {
  OhmsLawResistorTabs& resistors;
  OhmsLawReactiveTabs& reactive;
  int tab;
};
using TabSolve = void (*)(const TabParts& parts);

void SolveReactiveTab(const TabParts& p) { p.reactive.solveTab(p.tab); }

// In the order of the tabs of TabControl3.
constexpr std::array<TabSolve, kTabPanels.size()> kTabSolves = {
    [](const TabParts& p) { p.resistors.solveLedBias(); },   // "LED Bias"
    [](const TabParts& p) { p.resistors.solveSeries(); },    // "R Series"
    [](const TabParts& p) { p.resistors.solveParallel(); },  // "R Parallel"
    [](const TabParts& p) { p.resistors.solvePiPad(); },     // "PI Pad"
    [](const TabParts& p) { p.resistors.solveTPad(); },      // "T Pad"
    SolveReactiveTab,                                        // "C Series"
    SolveReactiveTab,                                        // "C Parallel"
    SolveReactiveTab,                                        // "L Series"
    SolveReactiveTab,                                        // "L Parallel"
};

void PlaceLeft(Control& control, int left) {
  Bounds bounds = control.bounds();
  bounds.left = left;
  control.setBounds(bounds);
}

}  // namespace

struct OhmsLawPage::Controls {
  Form& f;
  RadioGroup& solveFor = f.radio("RadioGroup13");
  TabControl& tabs = f.get<TabControl>("TabControl3");
  Label& firstCaption = f.label("Label307");
  Label& secondCaption = f.label("Label308");
  Label& resultCaption = f.label("Label306");
  Edit& first = f.edit("Edit245");
  Edit& second = f.edit("Edit246");
  Edit& result = f.edit("Edit244");
  Edit& firstUnit = f.edit("Edit248");
  Edit& secondUnit = f.edit("Edit247");
  Edit& resultUnit = f.edit("Edit249");
  Edit& power = f.edit("Edit250");
  Label& totalCaption = f.label("Label55");
  Label& total = f.label("Label56");
  Label& current = f.label("Label320");
  std::array<Panel*, kTabPanels.size()> panels = BindEach<Panel>(f, kTabPanels);
};

OhmsLawPage::OhmsLawPage(PageContext context) : PageOf(context) {}

OhmsLawPage::~OhmsLawPage() = default;

void OhmsLawPage::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup13Click", this, &OhmsLawPage::RadioGroup13Click);
  handlers.add("TForm1.TabControl3Change", this, &OhmsLawPage::TabControl3Change);
  resistorTabs_.registerHandlers(handlers);
  reactiveTabs_.registerHandlers(handlers);
}

void OhmsLawPage::attach(Form& form) {
  c_.bind(form);
  resistorTabs_.attach(form);
  reactiveTabs_.attach(form);
}

void OhmsLawPage::RadioGroup13Click(Control* sender) {
  const int item = c_->solveFor.itemIndex();
  if (item >= 0 && item < static_cast<int>(kEirLabels.size())) {
    const EirLabels& l = kEirLabels[static_cast<std::size_t>(item)];
    c_->firstCaption.setCaption(l.first);
    c_->firstUnit.setText(l.first);
    c_->secondCaption.setCaption(l.second);
    c_->secondUnit.setText(l.second);
    c_->resultCaption.setCaption(l.result);
    c_->resultUnit.setText(l.result);
    c_->first.setHint(l.firstHint);
    c_->second.setHint(l.secondHint);
    c_->result.setHint(l.resultHint);
    PlaceLeft(c_->firstUnit, kInputUnitLeft);
    PlaceLeft(c_->secondUnit, kInputUnitLeft);
    PlaceLeft(c_->resultUnit, l.resultUnitLeft);
  }
  page().solve(sender);
}

void OhmsLawPage::TabControl3Change(Control* sender) {
  const int tab = c_->tabs.tabIndex();
  for (std::size_t i = 0; i < c_->panels.size(); ++i) c_->panels[i]->setVisible(static_cast<int>(i) == tab);
  c_->totalCaption.setCaption(TotalCaption(tab));
  c_->current.setCaption("N/A");
  page().solve(sender);
}

void OhmsLawPage::solveEir() {
  c_->totalCaption.setCaption(kResistanceTotal);
  c_->total.setCaption("N/A");
  const double first = ParseLocaleFloat(c_->first.text());
  const double second = ParseLocaleFloat(c_->second.text());
  const int item = c_->solveFor.itemIndex();
  const EirResult r = SolveEir(static_cast<EirSolveFor>(item < 0 || item > 2 ? 0 : item), first, second);
  page().show(c_->result, "%.4f", r.value);
  page().show(c_->power, "%.4f", r.watts);
}

void OhmsLawPage::SolveOhmsLaw(Control* /*sender*/) {
  // The panel's formats know only a point or a comma.
  if (page().decimalMode() != DecimalMode::Unknown) solveEir();
  const int tab = c_->tabs.tabIndex();
  if (tab < 0 || tab >= static_cast<int>(kTabSolves.size())) return;
  kTabSolves[static_cast<std::size_t>(tab)]({resistorTabs_, reactiveTabs_, tab});
}

}  // namespace cq
