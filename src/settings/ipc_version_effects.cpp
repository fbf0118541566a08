#include "settings/ipc_version_effects.h"

#include <string>

#include "app/calculator_id.h"
#include "platform/control_group.h"

namespace cq {

namespace {
constexpr int kSingleViaLayout = 0;     // " Property Selection " item "Via Properties"
constexpr int kDifferentialLayout = 1;  // item "Differential Vias"

std::vector<Control*> controls(Form& form, std::initializer_list<const char*> names) {
  std::vector<Control*> out;
  for (const char* name : names) out.push_back(&form.control(name));
  return out;
}
}  // namespace

std::string_view IpcModeText(int mode) {
  switch (mode) {
    case kIpcWithModifiers: return "IPC-2152 with modifiers mode";
    case kIpcWithoutModifiers: return "IPC-2152 without modifiers mode";
    case kIpc2221: return "IPC-2221 mode";
    default: return {};
  }
}

IpcVersionEffects::IpcVersionEffects(Form& main)
    : viaHeight_(controls(main, {"Edit6", "Label8", "Edit55"})),
      helpButton_(main.control("BitBtn1")),
      conductorMode_(main.label("Label243")),
      viaMode_(main.label("Label187")),
      solveFor_(main.radio("RadioGroup8")),
      parallel_(main.radio("RadioGroup15")),
      planePresent_(main.radio("RadioGroup2")),
      planeThickness_(main.radio("RadioGroup5")),
      modifiers_(controls(main, {"Label235", "Label37", "Label236", "Edit126", "Edit127", "Edit132", "Edit133", "Edit128",
                                 "RadioGroup2"})) {}

void IpcVersionEffects::apply(int mode, int calculator) const {
  viaHeight(mode, calculator);
  helpButton_.setVisible(mode == kIpcWithModifiers);
  if (std::string_view text = IpcModeText(mode); !text.empty()) {
    conductorMode_.setCaption(std::string(text));
    viaMode_.setCaption(std::string(text));
  }
  modifierInputs(mode);
  planeThickness(mode, calculator);
}

void IpcVersionEffects::viaHeight(int mode, int calculator) const {
  if (calculator != Index(CalculatorId::ViaProperties)) return;
  const int layout = planeThickness_.itemIndex();
  // On the single-via layout the height is an input only with the
  // modifiers; on the differential layout the same field is the plane
  // opening and stays an input.
  if (layout == kSingleViaLayout)
    SetEnabled(viaHeight_, mode == kIpcWithModifiers);
  else if (layout == kDifferentialLayout && (mode == kIpcWithoutModifiers || mode == kIpc2221))
    SetEnabled(viaHeight_, true);
}

void IpcVersionEffects::modifierInputs(int mode) const {
  if (mode == kIpcWithModifiers) {
    solveFor_.setItemIndex(0);
    solveFor_.setEnabled(false);
    SetEnabled(modifiers_, true);
    parallel_.setEnabled(true);
  } else if (mode == kIpcWithoutModifiers || mode == kIpc2221) {
    solveFor_.setEnabled(true);
    SetEnabled(modifiers_, false);
    parallel_.setItemIndex(0);
    parallel_.setEnabled(false);
  }
}

void IpcVersionEffects::planeThickness(int mode, int calculator) const {
  if (calculator != Index(CalculatorId::ConductorProperties)) return;
  if (planePresent_.itemIndex() == 0)
    planeThickness_.setEnabled(false);
  else if (mode == kIpcWithModifiers && planePresent_.itemIndex() == 1)
    planeThickness_.setEnabled(true);
}

}  // namespace cq
