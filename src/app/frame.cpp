#include "app/frame.h"

#include "app/main_window.h"

#include <utility>

namespace cq {

Application& Frame::app() const { return main_.app(); }

Form& Frame::form() const { return main_.form(); }

const HandlerRegistry& Frame::handlers() const { return main_.handlers(); }

WorkingValues& Frame::values() const { return main_.values; }

ProgramOptionsControls& Frame::programOptions() const { return main_.programOptions(); }

void Frame::bindProgramOptions(Form& options) const { main_.bindProgramOptions(options); }

const RadioGroup& Frame::unitsRadio() const { return main_.unitsRadio(); }

DecimalMode Frame::decimalMode() const { return main_.decimalMode(); }

bool Frame::decimalComma() const { return main_.decimalComma(); }

void Frame::setDecimalComma(bool comma) const { main_.setDecimalComma(comma); }

std::string Frame::localize(std::string text) const { return main_.localize(std::move(text)); }

const std::vector<CalculatorPage*>& Frame::pages() const { return main_.pages(); }

CalculatorPage* Frame::page(CalculatorId id) const { return main_.page(id); }

CalculatorPage* Frame::activePage() const { return main_.activePage(); }

void Frame::solve(Control* sender) const { main_.Button1Click(sender); }

void Frame::addPreSolveStep(std::function<void()> step) const { main_.addPreSolveStep(std::move(step)); }

void Frame::finishUnitsChange(Control* sender) const { main_.finishUnitsChange(sender); }

void Frame::ipcMethodChanged(int mode) const { main_.ipcMethodChanged(mode); }

}  // namespace cq
