#include "calc/conductor/copper_choices.h"

namespace cq {

Form& ProgramOptionsForm(const Application& app) { return app.form("Form6"); }

CopperSelection CopperSelectionOf(const Form& main, const Form& programOptions) {
  CopperSelection s;
  s.metric = main.radio("RadioGroup6").itemIndex() == 1;
  s.baseItem = main.radio("RadioGroup4").itemIndex();
  s.platingItem = main.radio("RadioGroup1").itemIndex();
  s.manual = programOptions.checkBox("CheckBox1").checked();
  s.baseText = main.edit("Edit136").text();
  s.platingText = main.edit("Edit138").text();
  return s;
}

int EtchFactorItem(const Form& programOptions) { return programOptions.radio("RadioGroup2").itemIndex(); }

int IpcVersionItem(const Form& programOptions) { return programOptions.radio("RadioGroup1").itemIndex(); }

}  // namespace cq
