#include "app/plane_radio.h"

#include "app/calculator_page.h"

namespace cq {

void PlaneRadio::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm1.RadioGroup5Click", this, &PlaneRadio::RadioGroup5Click);
}

void PlaneRadio::attach(Form& form) {
  radio_ = &form.radio("RadioGroup5");
  tabs_ = &form.get<TabControl>("TabControl1");
}

void PlaneRadio::RadioGroup5Click(Control* sender) {
  // The tab, not the active calculator, says which page shows.
  for (CalculatorPage* page : main_.pages())
    if (tabs_->tabIndex() == Index(page->id()) && radio_->itemIndex() >= 0) page->planeRadioSelected(radio_->itemIndex());
  main_.solve(sender);
}

}  // namespace cq
