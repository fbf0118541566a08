// What a change of the IPC current method does on the Via Properties page.
#include <array>

#include "app/program_options_controls.h"
#include "calc/via/via_controls.h"
#include "calc/via/via_page.h"
#include "calc/via/via_selection_layouts.h"
#include "platform/control_group.h"

namespace cq {

void ViaPage::ipcMethodChanged(int mode, bool active) {
  if (active) {
    // On the single-via layout the height is an input only with the
    // modifiers; on the differential layout the same field is the plane
    // opening and stays an input.
    const int layout = c_->property.itemIndex();
    if (layout == kSingleViaLayout)
      SetEnabled(c_->heightRow, mode == kIpcWithModifiers);
    else if (layout == kDifferentialViaLayout && (mode == kIpcWithoutModifiers || mode == kIpc2221))
      SetEnabled(c_->heightRow, true);
  }
  ShowIpcMode(c_->ipcMode, mode);
}

}  // namespace cq
