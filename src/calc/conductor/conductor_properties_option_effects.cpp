// What the Program Options' choices do on the Conductor Properties page: the
// manual copper boxes it takes and the effects of the IPC current method.
#include <array>

#include "app/program_options_controls.h"
#include "calc/conductor/conductor_properties_layouts.h"
#include "calc/conductor/conductor_properties_page.h"
#include "platform/control_group.h"

namespace cq {

namespace {
constexpr int kAmperage = 0;      // " Solve For " item
constexpr int kOneConductor = 0;  // "  Parallel Conductors? " item "No"
constexpr int kNoPlane = 0;       // the plane radio RadioGroup2's items
constexpr int kPlane = 1;
}  // namespace

struct ConductorPropertiesPage::IpcControls {
  Form& f;
  Control& help = f.control("BitBtn1");
  Label& ipcMode = f.label("Label243");
  RadioGroup& solveFor = f.radio("RadioGroup8");
  RadioGroup& parallel = f.radio("RadioGroup15");
  RadioGroup& planePresent = f.radio("RadioGroup2");
  RadioGroup& planeWeight = f.radio("RadioGroup5");
  // The inputs only the IPC-2152 modifiers read.
  std::array<Control*, 9> modifiers = {&f.label("Label235"), &f.label("Label37"), &f.label("Label236"),
                                       &f.edit("Edit126"),   &f.edit("Edit127"),  &f.edit("Edit132"),
                                       &f.edit("Edit133"),   &f.edit("Edit128"),  &planePresent};
};

void ConductorPropertiesPage::attachIpcControls(Form& form) { ipc_.bind(form); }

ManualCopperEnabled ConductorPropertiesPage::manualCopperEnabled(int layerItem) const {
  return {true, layerItem == kExternalLayer};
}

void ConductorPropertiesPage::ipcMethodChanged(int mode, bool active) {
  IpcControls& c = *ipc_;
  c.help.setVisible(mode == kIpcWithModifiers);
  ShowIpcMode(c.ipcMode, mode);
  // Setting " Solve For " or the parallel radio runs its click handler, and
  // so the solve, when its item changes.
  if (mode == kIpcWithModifiers) {
    c.solveFor.setItemIndex(kAmperage);
    c.solveFor.setEnabled(false);
    SetEnabled(c.modifiers, true);
    c.parallel.setEnabled(true);
  } else if (mode == kIpcWithoutModifiers || mode == kIpc2221) {
    c.solveFor.setEnabled(true);
    SetEnabled(c.modifiers, false);
    c.parallel.setItemIndex(kOneConductor);
    c.parallel.setEnabled(false);
  }
  if (!active) return;
  if (c.planePresent.itemIndex() == kNoPlane)
    c.planeWeight.setEnabled(false);
  else if (mode == kIpcWithModifiers && c.planePresent.itemIndex() == kPlane)
    c.planeWeight.setEnabled(true);
}

}  // namespace cq
