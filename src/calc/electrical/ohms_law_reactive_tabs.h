#pragma once
// The Ohm's Law tabs of capacitors and inductors in series and in parallel:
// four tabs built alike from one table.
#include <cstddef>
#include <string>

#include "app/bound_controls.h"
#include "app/page_context.h"
#include "platform/form.h"
#include "platform/handlers.h"

namespace cq {

class OhmsLawReactiveTabs {
 public:
  explicit OhmsLawReactiveTabs(PageContext page) : page_(page) {}

  // The count radios RadioGroup25/27/29/31 and the unit radios
  // RadioGroup26/28/30/32, by name; they run once attached.
  void registerHandlers(HandlerRegistry& handlers);
  void attach(Form& form);

  // The solve block of an Ohm's Law tab; tabs without a reactive network
  // do nothing.
  void solveTab(int tab);

  // The caption of the Information total while a reactive tab is chosen;
  // nullptr for the other tabs.
  static const char* totalCaption(int tab);

 private:
  struct Tab;
  struct Tabs;
  void showCountedRows(std::size_t tab, Control* sender);
  void applyUnit(std::size_t tab, Control* sender);

  PageContext page_;
  BoundControls<Tabs> tabs_;
  // The unit appended to the total; the four tabs share it, so it is the
  // unit of whichever tab was solved last.
  std::string totalUnitSuffix_;
};

}  // namespace cq
