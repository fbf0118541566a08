#pragma once
// The part every calculator page has alike: its id in the calculator table
// and the constructor from the page context. A page declares only what is
// its own (`using PageOf::PageOf;` when it needs nothing more at start).
#include "app/calculator_page.h"

namespace cq {

template <CalculatorId Id>
class PageOf : public CalculatorPage {
 public:
  explicit PageOf(PageContext context) : CalculatorPage(context) {}

  CalculatorId id() const final { return Id; }
};

}  // namespace cq
