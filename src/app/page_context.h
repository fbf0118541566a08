#pragma once
// What a calculator page needs of the main window, in one place: the unit
// system, the decimal mode, result texts, message boxes, the working values
// and the solve operation.
#include <string>
#include <string_view>
#include <utility>

#include "app/calculator_id.h"
#include "app/decimal_mode.h"
#include "platform/form.h"
#include "platform/format.h"
#include "platform/services.h"

namespace cq {

class MainWindow;
struct ProgramOptionsControls;
struct WorkingValues;

class PageContext {
 public:
  explicit PageContext(MainWindow& main) : main_(main) {}

  Dialogs& dialogs() const;
  WorkingValues& values() const;
  // The live choices of the Program Options window.
  ProgramOptionsControls& programOptions() const;

  // The Units radio RadioGroup6: 0 Imperial, 1 Metric, -1 none selected.
  int unitsIndex() const;
  bool metric() const { return unitsIndex() == 1; }
  // Whether one of the two systems is chosen; a solve with neither writes nothing.
  bool unitsChosen() const { return unitsIndex() == 0 || unitsIndex() == 1; }

  DecimalMode decimalMode() const;
  bool decimalComma() const;
  // A formatted result in the decimal mode (the first '.' becomes ',').
  std::string localize(std::string text) const;
  // Formats a result and writes it in the decimal mode into a field's text
  // or a label's caption.
  template <class... Args>
  void show(Edit& field, std::string_view format, Args&&... args) const {
    field.setText(localize(Format(format, std::forward<Args>(args)...)));
  }
  template <class... Args>
  void show(Label& label, std::string_view format, Args&&... args) const {
    label.setCaption(localize(Format(format, std::forward<Args>(args)...)));
  }
  // Writes a text that is already formatted, in the decimal mode.
  void showFormatted(Edit& field, std::string text) const { field.setText(localize(std::move(text))); }
  void showFormatted(Label& label, std::string text) const { label.setCaption(localize(std::move(text))); }

  // The whole solve operation, as "Solve!" runs it.
  void solve(Control* sender) const;
  // Another calculator's activation, as its menu item runs it.
  void activate(CalculatorId id, Control* sender) const;

 private:
  MainWindow& main_;
};

}  // namespace cq
