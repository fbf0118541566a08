#pragma once
// TForm1, the main window: its frame handlers and the solve operation that
// every input event ends in.
#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "app/calculator_id.h"
#include "app/decimal_mode.h"
#include "app/program_options_controls.h"
#include "app/window_part.h"
#include "app/working_values.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/handlers.h"

namespace cq {

class CalculatorPage;

class MainWindow {
 public:
  explicit MainWindow(Application& app);
  ~MainWindow();

  // Adds a part before create(); the main window owns it.
  template <typename T, typename... Args>
  T& addPart(Args&&... args) {
    auto part = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *part;
    parts_.push_back(std::move(part));
    return ref;
  }

  // Adds a calculator page: a part that the frame also reaches through its
  // page interface. One page per calculator.
  template <typename T, typename... Args>
  T& addPage(Args&&... args) {
    T& page = addPart<T>(std::forward<Args>(args)...);
    registerPage(page);
    return page;
  }
  // The registered pages, in registration order.
  const std::vector<CalculatorPage*>& pages() const { return pages_; }
  // The page of a calculator; nullptr while it has none.
  CalculatorPage* page(CalculatorId id) const;
  // The active calculator's page; nullptr while it has none.
  CalculatorPage* activePage() const;
  // Tells every page of a new IPC current method, the active page first.
  void ipcMethodChanged(int mode);

  // Registers every handler, builds the window from its description and
  // attaches the parts. The window is the application's main window.
  void create();
  // The same from another description (where names it in errors).
  void create(std::string_view where, std::string_view description);

  Application& app() { return app_; }
  const HandlerRegistry& handlers() const { return handlers_; }
  Form& form() const { return *form_; }

  // The solve operation: every page's step before it, the pre-solve steps,
  // then the active calculator's solver.
  void Button1Click(Control* sender);

  // Activates a calculator as its menu item does (the frame's switching
  // provides it).
  void activate(CalculatorId id, Control* sender) { activation_(id, sender); }
  void setActivation(std::function<void(CalculatorId, Control*)> activation) { activation_ = std::move(activation); }

  // The end of a Units switch or an IPC method change: the page that takes
  // it over, or the solve.
  void finishUnitsChange(Control* sender);

  // Steps that run on every solve before the solver, in order.
  void addPreSolveStep(std::function<void()> step);

  // The active calculator (0 .. 18); set only by the activations.
  int CurrentCalculator = 0;
  WorkingValues values;

  // The decimal mode, kept in the hidden Label165 and read only here.
  DecimalMode decimalMode() const;
  bool decimalComma() const { return decimalMode() == DecimalMode::Comma; }
  // Sets the mode once per run, before any calculator is activated.
  void setDecimalComma(bool comma);
  // The Units radio, which every page reads.
  const RadioGroup& unitsRadio() const { return *units_; }
  // Binds the Program Options window's choices once that window is built.
  void bindProgramOptions(Form& options);
  // Those choices; a DescriptionError before they are bound.
  ProgramOptionsControls& programOptions() const;
  // A formatted result in the decimal mode (the first '.' becomes ',').
  std::string localize(std::string text) const;

 private:
  Application& app_;
  Form* form_ = nullptr;
  HandlerRegistry handlers_;
  void registerPage(CalculatorPage& page);

  std::vector<std::unique_ptr<WindowPart>> parts_;
  std::vector<CalculatorPage*> pages_;
  std::array<CalculatorPage*, kCalculatorCount> pageById_{};
  CalculatorPage* unitsFinisher_ = nullptr;  // the page that ends a Units switch
  Label* decimalMode_ = nullptr;
  const RadioGroup* units_ = nullptr;
  std::unique_ptr<ProgramOptionsControls> programOptions_;
  std::vector<std::function<void()>> pageSteps_;  // the pages' steps before every solve
  std::vector<std::function<void()>> preSolveSteps_;
  std::function<void(CalculatorId, Control*)> activation_;
};

}  // namespace cq
