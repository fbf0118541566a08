#include "app/program_options_controls.h"

namespace cq {

ProgramOptionsControls::ProgramOptionsControls(Form& options)
    : ipcVersion(options.radio("RadioGroup1")),
      etchFactor(options.radio("RadioGroup2")),
      manualCopper(options.checkBox("CheckBox1")),
      viaHeight(options.checkBox("CheckBox2")),
      throughHoleLimit(options.edit("Edit1")),
      microviaLimit(options.edit("Edit2")) {}

}  // namespace cq
