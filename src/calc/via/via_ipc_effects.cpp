// What a change of the IPC current method does on the Via Properties page.
#include <array>

#include "app/program_options_controls.h"
#include "calc/via/via_page.h"
#include "calc/via/via_selection_layouts.h"
#include "platform/control_group.h"

namespace cq {

struct ViaPage::IpcControls {
  Form& f;
  RadioGroup& selection = f.radio("RadioGroup5");  // " Property Selection "
  Label& ipcMode = f.label("Label187");
  std::array<Control*, 3> heightRow = {&f.edit("Edit6"), &f.label("Label8"), &f.edit("Edit55")};
};

void ViaPage::attachIpcControls(Form& form) { ipc_.bind(form); }

void ViaPage::ipcMethodChanged(int mode, bool active) {
  if (active) {
    // On the single-via layout the height is an input only with the
    // modifiers; on the differential layout the same field is the plane
    // opening and stays an input.
    const int layout = ipc_->selection.itemIndex();
    if (layout == kSingleViaLayout)
      SetEnabled(ipc_->heightRow, mode == kIpcWithModifiers);
    else if (layout == kDifferentialViaLayout && (mode == kIpcWithoutModifiers || mode == kIpc2221))
      SetEnabled(ipc_->heightRow, true);
  }
  ShowIpcMode(ipc_->ipcMode, mode);
}

}  // namespace cq
