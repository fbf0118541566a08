#include "app/layer_radio.h"

#include "app/calculator_page.h"
#include "app/calculator_table.h"

namespace cq {

void LayerRadio::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup3Click", this, &LayerRadio::RadioGroup3Click);
}

void LayerRadio::addPage(int calculator, const LayoutTable& table, std::function<void(int)> after) {
  // The table has a cell for each item the activation puts into the radio.
  int items = static_cast<int>(Calculator(calculator).layer.items.size());
  pages_.push_back({calculator, PageLayout(*form_, table, items), std::move(after)});
}

void LayerRadio::attach(Form& form) {
  form_ = &form;
  layer_ = &form.radio("RadioGroup3");
  tabs_ = &form.get<TabControl>("TabControl1");
  // The order in which the handler compares the tab index.
  for (CalculatorPage* page : main_.pages())
    if (const LayoutTable* table = page->structureLayouts())
      addPage(Index(page->id()), *table, [page](int item) { page->afterStructureLayout(item); });
}

void LayerRadio::layOut(int calculator, int item) {
  for (const auto& page : pages_)
    if (page.calculator == calculator) {
      if (item < 0 || item >= page.layout.itemCount()) return;
      page.layout.apply(item);
      if (page.after) page.after(item);
      return;
    }
}

void LayerRadio::RadioGroup3Click(Control* sender) {
  // The tab index is read afresh for each page: a layout's own selections
  // run handlers, and only the page on show is laid out.
  for (const auto& page : pages_)
    if (tabs_->tabIndex() == page.calculator) layOut(page.calculator, layer_->itemIndex());
  main_.solve(sender);
}


}  // namespace cq
