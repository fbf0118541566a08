#pragma once
// The Min Conductor Spacing page (calculator 9): its two radios and the
// solver that looks up or computes the spacing.
#include <array>

#include "app/page_of.h"

namespace cq {

class MinSpacingPage : public PageOf<CalculatorId::MinSpacing> {
 public:
  using PageOf::PageOf;
  void registerHandlers(HandlerRegistry& handlers) override;
  void solve(Control* sender) override;
  void attach(Form& form) override;

  void RadioGroup9Click(Control* sender);
  void RadioGroup10Click(Control* sender);
  void SolveMinConductorSpacing(Control* sender);

 private:
  void showDevicePicture(int device);

  RadioGroup* ranges_ = nullptr;   // RadioGroup9
  RadioGroup* devices_ = nullptr;  // RadioGroup10
  RadioGroup* units_ = nullptr;    // RadioGroup6
  Edit* voltage_ = nullptr;        // Edit79
  Label* voltageCaption_ = nullptr;
  Edit* result_ = nullptr;     // Edit51
  Label* altitude_ = nullptr;  // Label168 "+3050m"
  std::array<Image*, 6> pictures_{};  // the cross-section pictures
  // The voltage as the last solve parsed it; a nested solve leaves its own.
  double volts_ = 0;
};

}  // namespace cq
