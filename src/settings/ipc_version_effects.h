#pragma once
// What the IPC current method changes on the calculator pages: the via
// height input of Via Properties, the help button, the method texts, the
// Conductor Properties modifier inputs with " Solve For " and
// "  Parallel Conductors? ", and the plane-thickness radio.
#include <string_view>
#include <vector>

#include "app/program_options_controls.h"
#include "platform/form.h"

namespace cq {

// The method text of Label243 and Label187; empty outside the three modes.
std::string_view IpcModeText(int mode);

class IpcVersionEffects {
 public:
  explicit IpcVersionEffects(Form& main);
  // Applies mode with calculator active. Setting " Solve For " or the
  // parallel radio runs its click handler when its item changes.
  void apply(int mode, int calculator) const;

 private:
  void viaHeight(int mode, int calculator) const;
  void modifierInputs(int mode) const;
  void planeThickness(int mode, int calculator) const;

  std::vector<Control*> viaHeight_;
  Control& helpButton_;
  Label& conductorMode_;
  Label& viaMode_;
  RadioGroup& solveFor_;
  RadioGroup& parallel_;
  RadioGroup& planePresent_;
  RadioGroup& planeThickness_;
  std::vector<Control*> modifiers_;
};

}  // namespace cq
