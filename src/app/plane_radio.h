#pragma once
// The shared plane-thickness radio RadioGroup5. A page that uses it as its
// own selection lays itself out first; everywhere a click solves.
#include "app/frame.h"
#include "app/window_part.h"

namespace cq {


class PlaneRadio : public WindowPart {
 public:
  explicit PlaneRadio(Frame main) : main_(main) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void RadioGroup5Click(Control* sender);

 private:
  Frame main_;
  RadioGroup* radio_ = nullptr;
  TabControl* tabs_ = nullptr;
};

}  // namespace cq
