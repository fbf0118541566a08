#pragma once
// The temperature rise and ambient temperature of the Options panel: the
// pre-solve steps that bound them and derive the conductor temperature, and
// the status-bar timer with the clock and the material warning.
#include "app/frame.h"
#include "app/window_part.h"

namespace cq {


class Temperatures : public WindowPart {
 public:
  explicit Temperatures(Frame main) : main_(main) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void ValidateTempRise();
  void ValidateAmbientTemp();
  void ComputeConductorTemp();
  void Timer1Timer(Control* sender);

 private:
  std::string clockText();

  Frame main_;
  Form* form_ = nullptr;
  Edit* rise_ = nullptr;
  Edit* ambient_ = nullptr;
  Edit* tg_ = nullptr;
  ProgressBar* riseBar_ = nullptr;
  ProgressBar* ambientBar_ = nullptr;
  Label* riseF_ = nullptr;
  Label* ambientF_ = nullptr;
  Label* conductorC_ = nullptr;
  Label* conductorF_ = nullptr;
  StatusBar* status_ = nullptr;
  TabControl* tabs_ = nullptr;
};

}  // namespace cq
