#pragma once
// The base-copper and plating radios of the Options panel: every change of
// selection, also one made by the program, stores the item index and solves.
#include <string>

#include "app/frame.h"
#include "app/window_part.h"

namespace cq {


class CopperWeightRadios : public WindowPart {
 public:
  explicit CopperWeightRadios(Frame main) : main_(main) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void RadioGroup4Click(Control* sender);
  void RadioGroup1Click(Control* sender);

  // The texts last stored as Base_Weight and Plate_Weight; the Units switch
  // refreshes them from the key before it restores the selections.
  std::string& BaseWeight() { return baseWeight_; }
  std::string& PlateWeight() { return plateWeight_; }

 private:
  void storeAndSolve(const RadioGroup& radio, const std::string& value, std::string& kept, Control* sender);

  Frame main_;
  RadioGroup* base_ = nullptr;
  RadioGroup* plating_ = nullptr;
  std::string baseWeight_;
  std::string plateWeight_;
};

}  // namespace cq
