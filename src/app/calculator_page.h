#pragma once
// One calculator's page as the frame sees it. A page registers once with
// the main window; the activation contract, the solve dispatch, the layer
// radio and the Units switch reach it only through this interface.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/calculator_id.h"
#include "app/layouts/page_layout.h"
#include "app/page_context.h"
#include "app/window_part.h"

namespace cq {

struct UnitsPage;

// Which of the Options panel's manual copper boxes a page takes while
// copper weights are entered by hand.
struct ManualCopperEnabled {
  bool base = false;
  bool plating = false;
};

// The plane radio RadioGroup5 as a page's own selection in place of the
// plane thickness.
struct PlaneSelection {
  std::string_view caption;
  std::string_view hint;
  std::vector<std::string> items;
};

class CalculatorPage : public WindowPart {
 public:
  explicit CalculatorPage(PageContext context) : page_(context) {}

  virtual CalculatorId id() const = 0;
  void registerHandlers(HandlerRegistry& /*handlers*/) override {}

  // The last step of the solve operation while this calculator is active.
  virtual void solve(Control* sender) = 0;

  // What this calculator adds to the shared activation (texts and pictures
  // of its own page); runs before its tab is selected.
  virtual void activationExtras() {}

  // Whether "Solve!" is enabled while this calculator is active.
  virtual bool solveEnabled() const { return true; }

  // The page's structure layouts for the layer radio RadioGroup3, one cell
  // per item of the activation's refill; nullptr: the radio lays out nothing.
  virtual const LayoutTable* structureLayouts() const { return nullptr; }
  // After a structure layout: what the table cannot hold (texts that depend
  // on the unit system or decimal mode, selections that run handlers).
  virtual void afterStructureLayout(int /*item*/) {}

  // The plane radio as this page's own selection: its caption, hint and
  // items whatever the unit system and separator; nullptr: the radio keeps
  // the plane thicknesses.
  virtual const PlaneSelection* planeSelection() const { return nullptr; }
  // The plane radio RadioGroup5 while this page is on show (a page that
  // uses it as its own selection).
  virtual void planeRadioSelected(int /*item*/) {}

  // A step that runs at the start of every solve operation, whichever
  // calculator is active (inputs the page never lets stay empty); asked
  // once, when the page registers. Empty: none.
  virtual std::function<void()> stepBeforeEverySolve() { return {}; }

  // Whether this page ends a Units switch or an IPC method change in place
  // of their solve; at most one page does, checked when the window is built.
  virtual bool finishesUnitsChange() const { return false; }
  virtual void finishUnitsChange(Control* /*sender*/) {}

  // The page's rows of the Units switch; nullptr: nothing to convert.
  virtual const UnitsPage* unitsTable() const { return nullptr; }

  // The manual copper boxes this page takes while active, by the layer
  // radio's item; none by default.
  virtual ManualCopperEnabled manualCopperEnabled(int /*layerItem*/) const { return {}; }

  // The IPC current method changed to mode (an index of kIpcWithModifiers
  // ...). Every page is told, the active one first; active says whether
  // this page is the active calculator.
  virtual void ipcMethodChanged(int /*mode*/, bool /*active*/) {}

  // The etch factor changed in Program Options (an item of its radio);
  // every page is told.
  virtual void etchFactorChanged(int /*item*/) {}

  // Whether the substrate list may show "Air" while this page is active.
  virtual bool acceptsAirSubstrate() const { return true; }

  // At start, once the decimal mode is known and before the stored choices
  // are restored: the page's own starting texts. Every page is told.
  virtual void writeStartingTexts() {}
  // At start, once the stored IPC method is selected (its change runs no
  // effects then): what that method enables on this page. Every page is told.
  virtual void ipcMethodRestored(int /*mode*/) {}

 protected:
  const PageContext& page() const { return page_; }

 private:
  PageContext page_;
};

}  // namespace cq
