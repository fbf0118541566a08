#pragma once
// The shared plane-thickness radio RadioGroup5. On the via page it is the
// property selection and lays the page out first; everywhere a click solves.
#include <functional>

#include "app/window_part.h"

namespace cq {

class MainWindow;

class PlaneRadio : public WindowPart {
 public:
  explicit PlaneRadio(MainWindow& main) : main_(main) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  // The via page's layout for the selected item, run while tab 16 shows.
  void setViaLayout(std::function<void(int item)> layout) { viaLayout_ = std::move(layout); }

  void RadioGroup5Click(Control* sender);

 private:
  MainWindow& main_;
  RadioGroup* radio_ = nullptr;
  TabControl* tabs_ = nullptr;
  std::function<void(int)> viaLayout_;
};

}  // namespace cq
