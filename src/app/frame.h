#pragma once
// What a window part may use of the main window: its form and services,
// the shared state the calculators read, the pages through their contract,
// and the solve. Setting the active calculator and building the window are
// not here: only the frame's switching and the composition root do those.
#include <functional>
#include <string>
#include <vector>

#include "app/calculator_id.h"
#include "app/decimal_mode.h"
#include "app/page_context.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/handlers.h"

namespace cq {

class CalculatorPage;
class MainWindow;
struct ProgramOptionsControls;
struct WorkingValues;

class Frame {
 public:
  // Parts are made from the main window that owns them.
  Frame(MainWindow& main) : main_(main) {}

  // The page view of the same window, for the input checks.
  PageContext pageContext() const { return PageContext(main_); }

  Application& app() const;
  Form& form() const;
  const HandlerRegistry& handlers() const;
  WorkingValues& values() const;
  ProgramOptionsControls& programOptions() const;
  // Binds the Program Options window's choices once that window is built.
  void bindProgramOptions(Form& options) const;

  const RadioGroup& unitsRadio() const;
  DecimalMode decimalMode() const;
  bool decimalComma() const;
  void setDecimalComma(bool comma) const;
  std::string localize(std::string text) const;

  const std::vector<CalculatorPage*>& pages() const;
  CalculatorPage* page(CalculatorId id) const;
  CalculatorPage* activePage() const;

  // The whole solve operation, as "Solve!" runs it.
  void solve(Control* sender) const;
  void addPreSolveStep(std::function<void()> step) const;
  // The end of a Units switch or an IPC method change.
  void finishUnitsChange(Control* sender) const;
  void ipcMethodChanged(int mode) const;

 private:
  MainWindow& main_;
};

}  // namespace cq
