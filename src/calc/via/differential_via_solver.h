#pragma once
// The differential-via branch of the via solve: reads the pair's inputs,
// refuses a spacing or plane opening that is not larger than the hole, and
// writes the impedances, effective permittivity, stub length and loss.
#include <functional>
#include <string>

#include "app/bound_controls.h"
#include "app/input_check.h"
#include "app/page_context.h"

namespace cq {

struct ViaControls;

// A part of the via page: it reads and writes the page's controls.
class DifferentialViaSolver {
 public:
  DifferentialViaSolver(PageContext page, const BoundControls<ViaControls>& controls);

  // Runs after the via solve's shared steps (hole, Er and the pre-solve).
  void Solve();

 private:
  double read(const Edit& edit) const;
  // The field's value through the rule; the rewritten text is made by
  // corrected when the rule refuses.
  double checked(Edit& field, InputRule rule, const std::function<std::string()>& corrected);

  PageContext page_;
  const BoundControls<ViaControls>& c_;
};

}  // namespace cq
