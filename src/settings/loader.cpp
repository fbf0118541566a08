#include "settings/loader.h"

#include "app/main_window.h"
#include "platform/numbers.h"
#include "settings/decimal_mode.h"
#include "settings/settings_values.h"
#include "settings/stored_selection.h"

namespace cq {

void Loader::registerHandlers(HandlerRegistry& handlers) {
  handlers.add("TForm4.FormShow", [this](Control* sender) { FormShow(sender); });
}

void Loader::attach(Form& form) {
  form_ = &form;
  progress_ = &form.get<ProgressBar>("ProgressBar1");
  status_ = &form.label("Label3");
  solveFor_ = &main_.form().radio("RadioGroup8");
}

void Loader::FormShow(Control* sender) {
  showRegistryStatus();
  readStoredTexts();
  ReadDecimalSeparator(main_.app().services().locale, main_.form().label("Label165"));
  writeViaDefaults();
  // The substrate choice fills Er, Tg and the substrate factor, and solves.
  runMainHandler("TForm1.ComboBox1Change", sender);
  restoreUnits();
  restoreCopperChoice();
  activateStoredCalculator(sender);
  restoreProgramOptions();
  // The plane radio stays as the activation left it, also on calculator 0,
  // which does not use it and disables it.
}

void Loader::showRegistryStatus() {
  texts_.status = ReadSetting(main_.app().services().settings, setting::kStatus);
  if (texts_.status != "0") main_.form().label("Label301").setVisible(true);
}

void Loader::readStoredTexts() {
  SettingsStore& store = main_.app().services().settings;
  texts_.units = ReadSetting(store, setting::kUnits);
  texts_.program = ReadSetting(store, setting::kProgram);
  texts_.manualCopper = ReadSetting(store, setting::kManualCopper);
  texts_.ipcVersion = ReadSetting(store, setting::kIpcVersion);
  texts_.derating = ReadSetting(store, setting::kDerating);
  texts_.viaHeight = ReadSetting(store, setting::kViaHeight);
  texts_.thLimit = ReadSetting(store, setting::kThLimit);
  texts_.uviaLimit = ReadSetting(store, setting::kUViaLimit);
}

void Loader::writeViaDefaults() {
  Form& f = main_.form();
  f.edit("Edit3").setText("10");
  f.edit("Edit4").setText("20");
  f.edit("Edit5").setText("40");
  f.edit("Edit6").setText("62");
  f.edit("Edit9").setText("1");
}

void Loader::restoreUnits() {
  // A change to Metric runs the Units switch, which converts the pages and
  // solves before the stored calculator is activated.
  SelectStoredItem(main_.form().radio("RadioGroup6"), TextToInt(texts_.units));
}

void Loader::restoreCopperChoice() {
  // The Units switch restores the copper choices when it runs; in Imperial
  // nothing else would, so the start does it in both unit systems. A
  // selection that is already right runs nothing.
  RadioGroup& base = main_.form().radio("RadioGroup4");
  RadioGroup& plating = main_.form().radio("RadioGroup1");
  CopperChoice choice =
      StoredCopperChoice(main_.app().services().settings, {base.itemIndex(), plating.itemIndex()});
  SelectStoredItem(base, choice.base);
  SelectStoredItem(plating, choice.plating);
}

void Loader::activateStoredCalculator(Control* sender) {
  int program = TextToInt(texts_.program);
  // An index of no calculator leaves the tab that shows, which the tab
  // change then activates.
  if (program >= 0 && program < kCalculatorCount) main_.form().get<TabControl>("TabControl1").setTabIndex(program);
  runMainHandler("TForm1.TabControl1Change", sender);
}

void Loader::restoreProgramOptions() {
  Form& options = main_.app().form("Form6");
  SelectStoredItem(options.radio("RadioGroup2"), TextToInt(texts_.derating));

  // Both limits are read before either box is written.
  double th = ParseLocaleFloat(texts_.thLimit);
  double uvia = ParseLocaleFloat(texts_.uviaLimit);
  options.edit("Edit1").setText(FormatGeneralFloat(th));
  options.edit("Edit2").setText(FormatGeneralFloat(uvia));

  int manual = TextToInt(texts_.manualCopper);
  if (manual == 0) options.checkBox("CheckBox1").setChecked(false);
  if (manual == 1) options.checkBox("CheckBox1").setChecked(true);

  int ipc = TextToInt(texts_.ipcVersion);
  if (ipc >= 0 && ipc <= 2) {
    options.radio("RadioGroup1").setItemIndex(ipc);
    // " Solve For " of Conductor Properties is a choice only without the
    // IPC-2152 modifiers.
    solveFor_->setEnabled(ipc != 0);
  }

  int viaHeight = TextToInt(texts_.viaHeight);
  if (viaHeight == 0) options.checkBox("CheckBox2").setChecked(true);
  if (viaHeight == 1) options.checkBox("CheckBox2").setChecked(false);
}

void Loader::runMainHandler(const char* name, Control* sender) {
  main_.handlers().get<NotifyEvent>(name)(sender);
}

}  // namespace cq
