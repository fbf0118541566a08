#pragma once
// The key-down, key-press and up-down handler families: Enter in a field
// solves, the carriage return is swallowed, an arrow solves before and after
// its step. Which controls carry which handler is data
// (forms/main/input_families.json).
#include <functional>

#include "app/frame.h"
#include "app/window_part.h"

namespace cq {


class InputFamilies : public WindowPart {
 public:
  explicit InputFamilies(Frame main) : main_(main) {}
  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form&) override {}

 private:
  Frame main_;
};

}  // namespace cq
