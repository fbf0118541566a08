#include "app/page_context.h"

#include "app/main_window.h"

namespace cq {

Dialogs& PageContext::dialogs() const { return main_.app().dialogs(); }

WorkingValues& PageContext::values() const { return main_.values; }

ProgramOptionsControls& PageContext::programOptions() const { return main_.programOptions(); }

int PageContext::unitsIndex() const { return main_.unitsRadio().itemIndex(); }

DecimalMode PageContext::decimalMode() const { return main_.decimalMode(); }

bool PageContext::decimalComma() const { return main_.decimalComma(); }

std::string PageContext::localize(std::string text) const { return main_.localize(std::move(text)); }

void PageContext::solve(Control* sender) const { main_.Button1Click(sender); }

void PageContext::activate(CalculatorId id, Control* sender) const { main_.activate(id, sender); }

}  // namespace cq
