#include "calc/electrical/ohms_law_reactive_tabs.h"

#include <array>
#include <span>

#include "calc/electrical/ohms_law_networks_model.h"
#include "platform/format.h"
#include "platform/numbers.h"

namespace cq {

namespace {

constexpr std::size_t kRows = 4;
constexpr std::size_t kUnits = 3;

struct RowNames {
  const char* caption;
  const char* input;
  const char* unit;
};

// The values are added as typed: the unit is a label only. Capacitors in
// series and inductors in parallel combine as resistors in parallel.
using NetworkTotal = double (*)(std::span<const double> values);

struct TabNames {
  int tab;  // of TabControl3
  const char* count;
  const char* countClick;
  const char* units;
  const char* unitsClick;
  std::array<RowNames, kRows> rows;
  const char* total;
  const char* totalCaption;  // Label55 while the tab is solved
  std::array<const char*, kUnits> unitTexts;
  NetworkTotal totalOf;
};

constexpr std::array<const char*, kUnits> kCapacitorUnits = {"uF", "nF", "pF"};
constexpr std::array<const char*, kUnits> kInductorUnits = {"mH", "uH", "nH"};

constexpr std::array<TabNames, 4> kTabs = {{
    {5, "RadioGroup25", "TForm1.RadioGroup25Click", "RadioGroup26", "TForm1.RadioGroup26Click",
     {{{"Label278", "Edit346", "Edit353"},
       {"Label282", "Edit347", "Edit352"},
       {"Label286", "Edit348", "Edit351"},
       {"Label297", "Edit349", "Edit350"}}},
     "Edit354", "Total Capacitance", kCapacitorUnits, ParallelSum},
    {6, "RadioGroup27", "TForm1.RadioGroup27Click", "RadioGroup28", "TForm1.RadioGroup28Click",
     {{{"Label364", "Edit356", "Edit363"},
       {"Label365", "Edit357", "Edit362"},
       {"Label366", "Edit358", "Edit361"},
       {"Label367", "Edit359", "Edit360"}}},
     "Edit364", "Total Capacitance", kCapacitorUnits, SeriesSum},
    {7, "RadioGroup29", "TForm1.RadioGroup29Click", "RadioGroup30", "TForm1.RadioGroup30Click",
     {{{"Label369", "Edit366", "Edit373"},
       {"Label370", "Edit367", "Edit372"},
       {"Label371", "Edit368", "Edit371"},
       {"Label372", "Edit369", "Edit370"}}},
     "Edit374", "Total Inductance", kInductorUnits, SeriesSum},
    {8, "RadioGroup31", "TForm1.RadioGroup31Click", "RadioGroup32", "TForm1.RadioGroup32Click",
     {{{"Label374", "Edit376", "Edit383"},
       {"Label375", "Edit377", "Edit382"},
       {"Label376", "Edit378", "Edit381"},
       {"Label377", "Edit379", "Edit380"}}},
     "Edit384", "Total Inductance", kInductorUnits, ParallelSum},
}};

struct Row {
  Form& f;
  const RowNames& n;
  Label& caption = f.label(n.caption);
  Edit& input = f.edit(n.input);
  Edit& unit = f.edit(n.unit);
  void show(bool visible) {
    caption.setVisible(visible);
    input.setVisible(visible);
    unit.setVisible(visible);
  }
};

}  // namespace

struct OhmsLawReactiveTabs::Tab {
  Form& f;
  const TabNames& names;
  RadioGroup& count = f.radio(names.count);
  RadioGroup& units = f.radio(names.units);
  std::array<Row, kRows> rows = {Row{f, names.rows[0]}, Row{f, names.rows[1]}, Row{f, names.rows[2]},
                                 Row{f, names.rows[3]}};
  Edit& total = f.edit(names.total);

  std::size_t used() const { return NetworkSize(count.itemIndex()); }
  // The unit radio's text; nullptr while it has no item.
  const char* unitText() const {
    const int item = units.itemIndex();
    return item >= 0 && item < static_cast<int>(kUnits) ? names.unitTexts[static_cast<std::size_t>(item)] : nullptr;
  }
};

struct OhmsLawReactiveTabs::Tabs {
  Form& f;
  std::array<Tab, kTabs.size()> all = {Tab{f, kTabs[0]}, Tab{f, kTabs[1]}, Tab{f, kTabs[2]}, Tab{f, kTabs[3]}};
  // The Information rows.
  Label& totalCaption = f.label("Label55");
  Label& totalInformation = f.label("Label56");
  Label& currentCaption = f.label("Label319");
  Tab* find(int tab) {
    for (Tab& t : all)
      if (t.names.tab == tab) return &t;
    return nullptr;
  }
};

void OhmsLawReactiveTabs::registerHandlers(HandlerRegistry& handlers) {
  for (std::size_t i = 0; i < kTabs.size(); ++i) {
    handlers.add(kTabs[i].countClick, [this, i](Control* sender) { showCountedRows(i, sender); });
    handlers.add(kTabs[i].unitsClick, [this, i](Control* sender) { applyUnit(i, sender); });
  }
}

void OhmsLawReactiveTabs::attach(Form& form) { tabs_.bind(form); }

void OhmsLawReactiveTabs::showCountedRows(std::size_t index, Control* sender) {
  Tab& tab = tabs_->all[index];
  // Hidden rows keep their texts; the solve still reads them.
  for (std::size_t k = 0; k < kRows; ++k) tab.rows[k].show(k < tab.used());
  page_.solve(sender);
}

void OhmsLawReactiveTabs::applyUnit(std::size_t index, Control* sender) {
  Tab& tab = tabs_->all[index];
  // A label only: the typed values are not converted.
  if (const char* unit = tab.unitText()) {
    for (Row& row : tab.rows) row.unit.setText(unit);
    totalUnitSuffix_ = unit;
  }
  page_.solve(sender);
}

const char* OhmsLawReactiveTabs::totalCaption(int tab) {
  for (const TabNames& names : kTabs)
    if (names.tab == tab) return names.totalCaption;
  return nullptr;
}

void OhmsLawReactiveTabs::solveTab(int index) {
  Tab* found = tabs_->find(index);
  if (found == nullptr) return;
  Tab& tab = *found;
  tabs_->currentCaption.setCaption("Series Current");
  tabs_->totalCaption.setCaption(tab.names.totalCaption);
  if (const char* unit = tab.unitText()) totalUnitSuffix_ = unit;

  std::array<double, kRows> values{};
  for (std::size_t k = 0; k < kRows; ++k) values[k] = ParseLocaleFloat(tab.rows[k].input.text());
  const double total = tab.names.totalOf(std::span<const double>(values.data(), tab.used()));

  const std::string text = Format("%.4f %s", total, totalUnitSuffix_);
  page_.showFormatted(tabs_->totalInformation, text);
  page_.showFormatted(tab.total, text);
}

}  // namespace cq
