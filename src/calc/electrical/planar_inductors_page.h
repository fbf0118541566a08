#pragma once
// The Planar Inductors page (calculator 13): inner diameter, fill factor
// and inductance of a spiral whose shape is the item of the shared layer
// radio.
#include "app/window_part.h"

namespace cq {

class MainWindow;

class PlanarInductorsPage : public WindowPart {
 public:
  explicit PlanarInductorsPage(MainWindow& main) : main_(main) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void SolvePlanarInductors(Control* sender);

 private:
  void write(Edit& output, const char* format, double value);

  MainWindow& main_;
  RadioGroup* shape_ = nullptr;     // RadioGroup3
  RadioGroup* units_ = nullptr;     // RadioGroup6
  Edit* turns_ = nullptr;           // Edit88
  Edit* width_ = nullptr;           // Edit89
  Edit* spacing_ = nullptr;         // Edit91
  Edit* outer_ = nullptr;           // Edit92
  Edit* inner_ = nullptr;           // Edit94
  Edit* fill_ = nullptr;            // Edit93
  Edit* inductance_ = nullptr;      // Edit90
};

}  // namespace cq
