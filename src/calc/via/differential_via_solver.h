#pragma once
// The differential-via branch of the via solve: reads the pair's inputs,
// refuses a spacing or plane opening that is not larger than the hole, and
// writes the impedances, effective permittivity, stub length and loss.
#include <string>

#include "platform/form.h"

namespace cq {

class MainWindow;

class DifferentialViaSolver {
 public:
  explicit DifferentialViaSolver(MainWindow& main);

  // Runs after the via solve's shared steps (hole, Er and the pre-solve).
  void Solve();

 private:
  double read(const Edit& edit) const;
  void write(Edit& field, const std::string& text);

  MainWindow& main_;
  RadioGroup& units_;
  Edit& hole_;
  Edit& openingHeight_;
  Edit& openingWidth_;
  Edit& spacing_;
  Edit& anisotropy_;
  Edit& baudRate_;
  Edit& pairImpedance_;
  Edit& oddMode_;
  Edit& differential_;
  Edit& effectiveEr_;
  Edit& maxStub_;
  Edit& insertionLoss_;
};

}  // namespace cq
