// What the Program Options' choices do on the Conductor Properties page: the
// manual copper boxes it takes and the effects of the IPC current method.
#include <array>

#include "app/program_options_controls.h"
#include "calc/conductor/conductor_properties_controls.h"
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

ManualCopperEnabled ConductorPropertiesPage::manualCopperEnabled(int layerItem) const {
  return {true, layerItem == kExternalLayer};
}

void ConductorPropertiesPage::ipcMethodRestored(int mode) { c_->solveFor.setEnabled(mode != kIpcWithModifiers); }

void ConductorPropertiesPage::ipcMethodChanged(int mode, bool active) {
  ConductorPropertiesControls& c = *c_;
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
