#include "app/main_window.h"

#include "app/calculator_page.h"
#include "platform/errors.h"
#include "platform/form_loader.h"
#include "platform/numbers.h"

namespace cq {

MainWindow::MainWindow(Application& app) : app_(app) {}

MainWindow::~MainWindow() = default;

void MainWindow::create() {
  handlers_.add("TForm1.Button1Click", [this](Control* sender) { Button1Click(sender); });
  for (auto& part : parts_) part->registerHandlers(handlers_);
  form_ = &app_.addForm(LoadForm(app_, "forms/TForm1.json", handlers_));
  for (auto& part : parts_) part->attach(*form_);
}

bool MainWindow::decimalComma() const { return form_->label("Label165").caption() == "1"; }

std::string MainWindow::localize(std::string text) const { return LocalizeDecimalPoint(std::move(text), decimalComma()); }

void MainWindow::registerPage(CalculatorPage& page) {
  if (this->page(page.id()) != nullptr)
    throw DescriptionError("calculator " + std::to_string(Index(page.id())) + " has two pages");
  pages_.push_back(&page);
}

CalculatorPage* MainWindow::page(CalculatorId id) const {
  for (CalculatorPage* p : pages_)
    if (p->id() == id) return p;
  return nullptr;
}

void MainWindow::finishUnitsChange(Control* sender) {
  for (CalculatorPage* p : pages_)
    if (p->finishUnitsChange(sender)) return;
  Button1Click(sender);
}

void MainWindow::addPreSolveStep(std::function<void()> step) { preSolveSteps_.push_back(std::move(step)); }

void MainWindow::Button1Click(Control* sender) {
  // The conversion calculator's two inputs never stay empty.
  for (const char* name : {"Edit85", "Edit80"}) {
    Edit& input = form_->edit(name);
    if (input.text().empty()) input.setText("0");
  }
  for (const auto& step : preSolveSteps_) step();
  // The dispatch reads the active calculator afresh; a calculator whose
  // solver is not registered solves nothing.
  for (CalculatorPage* p : pages_)
    if (CurrentCalculator == Index(p->id())) {
      p->solve(sender);
      break;
    }
}

}  // namespace cq
