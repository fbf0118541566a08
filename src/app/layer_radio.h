#pragma once
// The shared layer radio RadioGroup3: its click lays out the active
// calculator's page for the chosen structure, then solves.
#include <functional>
#include <memory>
#include <vector>

#include "app/frame.h"
#include "app/layouts/page_layout.h"
#include "app/window_part.h"

namespace cq {


class LayerRadio : public WindowPart {
 public:
  explicit LayerRadio(Frame main) : main_(main) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void RadioGroup3Click(Control* sender);

  // The layout of one calculator's page for an item, without the solve.
  // Pages without a layout, and items outside the page's list, change nothing.
  void layOut(int calculator, int item);

 private:
  struct Page {
    int calculator;
    PageLayout layout;
    // What the table cannot hold: texts that depend on the unit system or
    // the decimal mode, selections that run other handlers.
    std::function<void(int item)> after;
  };
  void addPage(int calculator, const LayoutTable& table, std::function<void(int item)> after = {});

  Frame main_;
  Form* form_ = nullptr;
  RadioGroup* layer_ = nullptr;
  TabControl* tabs_ = nullptr;
  std::vector<Page> pages_;
};

}  // namespace cq
