#pragma once
// The differential-via branch of the via solve: reads the pair's inputs,
// refuses a spacing or plane opening that is not larger than the hole, and
// writes the impedances, effective permittivity, stub length and loss.
#include <functional>
#include <string>

#include "app/input_check.h"
#include "app/page_context.h"
#include "platform/form.h"

namespace cq {

class DifferentialViaSolver {
 public:
  explicit DifferentialViaSolver(PageContext page);

  // Runs after the via solve's shared steps (hole, Er and the pre-solve).
  void Solve();

 private:
  double read(const Edit& edit) const;
  // The field's value through the rule; the rewritten text is made by
  // corrected when the rule refuses.
  double checked(Edit& field, InputRule rule, const std::function<std::string()>& corrected);

  PageContext page_;
  Form& form_;
  Edit& hole_ = form_.edit("Edit3");
  Edit& openingHeight_ = form_.edit("Edit5");
  Edit& openingWidth_ = form_.edit("Edit6");
  Edit& spacing_ = form_.edit("Edit335");
  Edit& anisotropy_ = form_.edit("Edit206");
  Edit& baudRate_ = form_.edit("Edit209");
  Edit& pairImpedance_ = form_.edit("Edit386");
  Edit& oddMode_ = form_.edit("Edit50");
  Edit& differential_ = form_.edit("Edit8");
  Edit& effectiveEr_ = form_.edit("Edit10");
  Edit& maxStub_ = form_.edit("Edit49");
  Edit& insertionLoss_ = form_.edit("Edit13");
};

}  // namespace cq
