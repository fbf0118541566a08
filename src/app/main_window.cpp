#include "app/main_window.h"

#include "app/calculator_page.h"
#include "platform/errors.h"
#include "platform/form_loader.h"
#include "platform/numbers.h"
#include "platform/resources.h"

namespace cq {

MainWindow::MainWindow(Application& app) : app_(app) {}

MainWindow::~MainWindow() = default;

void MainWindow::create() {
  constexpr std::string_view kDescription = "forms/TForm1.json";
  create(kDescription, resource(kDescription));
}

void MainWindow::create(std::string_view where, std::string_view description) {
  handlers_.add("TForm1.Button1Click", this, &MainWindow::Button1Click);
  for (auto& part : parts_) part->registerHandlers(handlers_);
  form_ = &app_.addForm(LoadFormText(app_, where, description, handlers_));
  decimalMode_ = &form_->label("Label165");
  units_ = &form_->radio("RadioGroup6");
  for (auto& part : parts_) part->attach(*form_);
  for (CalculatorPage* p : pages_) {
    if (!p->finishesUnitsChange()) continue;
    // Two would leave the switch to whichever was registered first.
    if (unitsFinisher_ != nullptr)
      throw DescriptionError("calculators " + std::to_string(Index(unitsFinisher_->id())) + " and " +
                             std::to_string(Index(p->id())) + " both end the Units switch");
    unitsFinisher_ = p;
  }
}

void MainWindow::bindProgramOptions(Form& options) {
  programOptions_ = std::make_unique<ProgramOptionsControls>(options);
}

ProgramOptionsControls& MainWindow::programOptions() const {
  if (!programOptions_) throw DescriptionError("the Program Options window is not built");
  return *programOptions_;
}

DecimalMode MainWindow::decimalMode() const { return DecimalModeOf(decimalMode_->caption()); }

void MainWindow::setDecimalComma(bool comma) { decimalMode_->setCaption(std::string(DecimalModeCaption(comma))); }

std::string MainWindow::localize(std::string text) const { return LocalizeDecimalPoint(std::move(text), decimalComma()); }

void MainWindow::registerPage(CalculatorPage& page) {
  if (this->page(page.id()) != nullptr)
    throw DescriptionError("calculator " + std::to_string(Index(page.id())) + " has two pages");
  pages_.push_back(&page);
  if (auto step = page.stepBeforeEverySolve()) pageSteps_.push_back(std::move(step));
  pageById_.at(static_cast<size_t>(Index(page.id()))) = &page;
}

CalculatorPage* MainWindow::page(CalculatorId id) const {
  const int index = Index(id);
  return index >= 0 && index < kCalculatorCount ? pageById_[static_cast<size_t>(index)] : nullptr;
}

CalculatorPage* MainWindow::activePage() const { return page(static_cast<CalculatorId>(CurrentCalculator)); }

void MainWindow::ipcMethodChanged(int mode) {
  CalculatorPage* active = activePage();
  if (active != nullptr) active->ipcMethodChanged(mode, true);
  for (CalculatorPage* p : pages_)
    if (p != active) p->ipcMethodChanged(mode, false);
}

void MainWindow::finishUnitsChange(Control* sender) {
  if (unitsFinisher_ != nullptr) {
    unitsFinisher_->finishUnitsChange(sender);
    return;
  }
  Button1Click(sender);
}

void MainWindow::addPreSolveStep(std::function<void()> step) { preSolveSteps_.push_back(std::move(step)); }

void MainWindow::Button1Click(Control* sender) {
  for (const auto& step : pageSteps_) step();
  for (const auto& step : preSolveSteps_) step();
  // The dispatch reads the active calculator afresh; a calculator whose
  // solver is not registered solves nothing.
  if (CalculatorPage* p = activePage()) p->solve(sender);
}

}  // namespace cq
